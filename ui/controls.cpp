#include "ui/controls.h"

namespace vodrelik {

std::uint32_t next_in_tab_order(std::uint32_t current, TabDirection direction) {
  constexpr auto order = tab_order();
  constexpr std::size_t n = order.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (order[i] != current) continue;
    return direction == TabDirection::forward ? order[(i + 1) % n] : order[(i + n - 1) % n];
  }
  return direction == TabDirection::forward ? order.front() : order.back();
}

}  // namespace vodrelik
