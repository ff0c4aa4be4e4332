#include "app/allocation.h"

#include <cstdlib>

#include "app/fatal_stop.h"
#include "app/faults.h"

namespace vodrelik {

void* allocate(std::size_t bytes) {
  // malloc(0) may answer null; a zero-byte request still gets a real block.
  void* block = faults::fail_allocation(bytes) ? nullptr : std::malloc(bytes ? bytes : 1);
  if (!block) fatal_stop(allocation_failure_message(bytes).view());
  return block;
}

void free_block(void* block) { std::free(block); }

}  // namespace vodrelik
