#include "ui/main_window.h"

#include "ui/controls.h"

namespace vodrelik {
namespace {

bool takes_new_lines(std::uint32_t identity) {
  for (const ControlDescription& control : kControlDescriptions)
    if (control.identity == identity) return control.kind == ControlKind::edit_box && control.multi_line;
  return false;
}

}  // namespace

Point centred_position(Size screen) {
  return {(screen.width - kMainWindowSize.width) / 2, (screen.height - kMainWindowSize.height) / 2};
}

KeyOutcome filter_key(Key key, Modifiers modifiers, std::uint32_t focused) {
  const bool plain = !modifiers.ctrl && !modifiers.shift && !modifiers.alt;
  const bool shift_only = modifiers.shift && !modifiers.ctrl && !modifiers.alt;
  if (key == Key::tab && plain) return {KeyEffect::focus_next, true};
  if (key == Key::tab && shift_only) return {KeyEffect::focus_previous, true};
  if (key == Key::escape && plain) return {KeyEffect::close_window, true};
  if (key == Key::enter && plain && takes_new_lines(focused)) return {KeyEffect::new_line, false};
  return {KeyEffect::none, false};
}

}  // namespace vodrelik
