#include <windows.h>

#include <cstring>

#include "ui/edit_text.h"
#include "ui/window_system_win32.h"

namespace vodrelik {

// The ANSI functions hand the box's bytes over as they are.
Text read_content(std::uint32_t box) {
  HWND control = find_control(box);
  int length = GetWindowTextLengthA(control);
  if (length <= 0) return nullptr;
  Text text = new_text(static_cast<std::size_t>(length));
  int copied = GetWindowTextA(control, text.get(), length + 1);
  if (copied <= 0) return nullptr;
  if (copied == length) return text;
  // The length asked first may overestimate; the value is always exact.
  Text exact = new_text(static_cast<std::size_t>(copied));
  std::memcpy(exact.get(), text.get(), static_cast<std::size_t>(copied));
  return exact;
}

void write_content(std::uint32_t box, const char* text) { SetWindowTextA(find_control(box), text ? text : ""); }

}  // namespace vodrelik
