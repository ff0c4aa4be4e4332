#pragma once
// The main window's fixed settings, its placement and its keyboard rules.
#include <cstdint>

namespace vodrelik {

struct Point {
  std::int32_t x, y;
  bool operator==(const Point&) const = default;
};
struct Size {
  std::int32_t width, height;
  bool operator==(const Size&) const = default;
};

inline constexpr std::uint32_t kMainWindowIdentity = 0x52010001;
inline constexpr const char* kMainWindowTitle = "Vodrelik";
inline constexpr Size kMainWindowSize{296, 240};

// Top left corner that centres the window on the whole primary screen; the
// divisions truncate toward zero, also on screens smaller than the window.
Point centred_position(Size screen);

enum class Key { tab, escape, enter, f1, space, letter_or_digit, other };

struct Modifiers {
  bool ctrl = false, shift = false, alt = false;
};

enum class KeyEffect {
  none,            // the key goes to the focused control, which does its own thing
  focus_next,      // Tab
  focus_previous,  // Shift+Tab
  close_window,    // Esc, as the close button
  new_line,        // Enter reaches a multi-line box, which breaks the line
};

struct KeyOutcome {
  KeyEffect effect;
  bool consumed;  // a consumed key never reaches the control
  bool operator==(const KeyOutcome&) const = default;
};

// `focused` is the identity of the control that has the focus, or 0.
KeyOutcome filter_key(Key key, Modifiers modifiers, std::uint32_t focused);

}  // namespace vodrelik
