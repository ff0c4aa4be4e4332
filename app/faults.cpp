// Test build only. VODRELIK_FAIL_ALLOCATION=n fails the first allocation of
// exactly n bytes; VODRELIK_FAIL_WINDOW=i fails the i-th window creation
// (0 the main window, then the controls in creation order).
#include "app/faults.h"

#include <cstdlib>

namespace vodrelik::faults {
namespace {

long long setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::atoll(value) : -1;
}

}  // namespace

bool fail_allocation(std::size_t bytes) {
  static bool fired = false;
  static const long long target = setting("VODRELIK_FAIL_ALLOCATION");
  if (fired || target < 0 || bytes != static_cast<std::size_t>(target)) return false;
  fired = true;
  return true;
}

bool fail_window_creation(int creation_index) {
  static const long long target = setting("VODRELIK_FAIL_WINDOW");
  return creation_index == target;
}

}  // namespace vodrelik::faults
