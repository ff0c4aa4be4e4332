#pragma once
// The six controls of the main window, described once, in description order.
#include <array>
#include <cstdint>

namespace vodrelik {

enum class ControlKind { button, label, edit_box };

struct ControlDescription {
  ControlKind kind;
  const char* name;
  std::uint32_t identity;
  const char* text;  // UTF-8; the initial content of an edit box
  std::int32_t left, top, width, height;
  bool visible, enabled, tab_stop;
  bool multi_line;  // edit boxes only
};

namespace controls {
inline constexpr std::uint32_t 按钮2 = 0x1601000A;
inline constexpr std::uint32_t 标签2 = 0x16010009;
inline constexpr std::uint32_t 标签1 = 0x16010008;
inline constexpr std::uint32_t 编辑框2 = 0x16010007;
inline constexpr std::uint32_t 按钮1 = 0x16010003;
inline constexpr std::uint32_t 编辑框1 = 0x16010002;
}  // namespace controls

inline constexpr std::array<ControlDescription, 6> kControlDescriptions{{
    {ControlKind::button, "按钮2", controls::按钮2, "复制", 240, 184, 40, 24, true, true, true, false},
    {ControlKind::label, "标签2", controls::标签2, "下载链接：", 9, 90, 64, 19, true, true, false, false},
    {ControlKind::label, "标签1", controls::标签1, "原链接：", 9, 4, 104, 16, true, true, false, false},
    {ControlKind::edit_box, "编辑框2", controls::编辑框2, "", 9, 116, 272, 64, true, true, true, true},
    {ControlKind::button, "按钮1", controls::按钮1, "转换", 105, 68, 80, 32, true, true, true, false},
    {ControlKind::edit_box, "编辑框1", controls::编辑框1, "", 9, 28, 272, 24, true, true, true, false},
}};

inline constexpr std::size_t kTabStopCount = 4;

// Controls are created in reverse description order; the Tab order is that
// creation order, restricted to tab stops.
constexpr std::array<std::uint32_t, kTabStopCount> tab_order() {
  std::array<std::uint32_t, kTabStopCount> order{};
  std::size_t count = 0;
  for (std::size_t i = kControlDescriptions.size(); i-- > 0;) {
    const ControlDescription& control = kControlDescriptions[i];
    if (control.tab_stop && control.visible && control.enabled) order[count++] = control.identity;
  }
  return order;
}

enum class TabDirection { forward, backward };

// The control that Tab (or Shift+Tab) moves the focus to from `current`; from
// a control outside the Tab order it is the first (or the last).
std::uint32_t next_in_tab_order(std::uint32_t current, TabDirection direction);

}  // namespace vodrelik
