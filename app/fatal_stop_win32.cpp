#include <windows.h>

#include "actions/page_fetch.h"
#include "app/fatal_stop.h"
#include "app/program.h"

namespace vodrelik {

[[noreturn]] void fatal_stop(std::string_view message) {
  block_actions();
  // Converted on the stack: the heap may be what ran out.
  const FixedText text = fatal_box_text(message);
  wchar_t wide_text[256];
  wchar_t wide_title[16];
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide_text, 256);
  MultiByteToWideChar(CP_UTF8, 0, kFatalTitle.data(), -1, wide_title, 16);  // the literal ends in a NUL
  MessageBoxW(nullptr, wide_text, wide_title, MB_OK | MB_ICONERROR);
  discard_exit_hook();
  close_page_fetch();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace vodrelik
