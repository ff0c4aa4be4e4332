#pragma once
// Failure points that only the fault-injection test build can trigger. In the
// shipped build they are constant false and cost nothing.
#include <cstddef>

namespace vodrelik::faults {

#ifdef VODRELIK_FAULT_INJECTION
bool fail_allocation(std::size_t bytes);
bool fail_window_creation(int creation_index);
#else
constexpr bool fail_allocation(std::size_t) { return false; }
constexpr bool fail_window_creation(int) { return false; }
#endif

}  // namespace vodrelik::faults
