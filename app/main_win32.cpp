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

}  // namespace vodrelik

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return vodrelik::run_program(); }
