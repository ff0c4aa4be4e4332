#pragma once
// The one allocation routine: every text value, byte set and C++ allocation of
// the program comes from here, and a failure is the fatal stop.
#include <cstddef>

namespace vodrelik {

void* allocate(std::size_t bytes);  // never null
void free_block(void* block);

}  // namespace vodrelik
