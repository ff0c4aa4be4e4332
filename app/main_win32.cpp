// Program entry on Windows: start-up, the one event loop, the normal end.
#include <windows.h>

#include "actions/page_fetch.h"
#include "app/fatal_stop.h"
#include "app/program.h"
#include "ui/window_system_win32.h"

namespace vodrelik {
namespace {

void enter_program_folder() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return;
  wchar_t* last_separator = wcsrchr(path, L'\\');
  if (!last_separator) return;
  *last_separator = L'\0';
  SetCurrentDirectoryW(path);
}

int run_event_loop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (filter_key_message(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

int run_program() {
  enter_program_folder();
  run_start_hook();
  register_exit_hook();
  if (!build_main_window(GetModuleHandleW(nullptr))) fatal_stop(kWindowLoadFailed);
  show_main_window();
  set_program_state(ProgramState::running);
  int status = run_event_loop();
  set_program_state(ProgramState::ending);
  run_exit_hook();
  close_page_fetch();
  return status;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

[[noreturn]] void fatal_stop(std::string_view message) {
  block_actions();
  // Converted on the stack: the heap may be what ran out.
  const FixedText text = fatal_box_text(message);
  wchar_t wide_text[256];
  wchar_t wide_title[16];
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide_text, 256);
  MultiByteToWideChar(CP_UTF8, 0, kFatalTitle.data(), static_cast<int>(kFatalTitle.size()) + 1, wide_title, 16);
  MessageBoxW(nullptr, wide_text, wide_title, MB_OK | MB_ICONERROR);
  discard_exit_hook();
  close_page_fetch();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace vodrelik

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return vodrelik::run_program(); }
