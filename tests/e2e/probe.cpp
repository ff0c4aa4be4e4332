// The tests' hands and eyes inside Wine: starts the program on a desktop of a
// given size, then reads its windows and drives it with real input, one
// command per line on stdin, one JSON line per command on stdout.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

PROCESS_INFORMATION program{};
HWND helper_window = nullptr;  // "another program" to switch to
HANDLE held_clipboard_thread = nullptr;

std::string hex(const void* data, std::size_t length) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  auto bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < length; ++i) {
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

std::string unhex(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) out += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
  return out;
}

std::string utf8(const wchar_t* wide) {
  char out[4096];
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, sizeof out, nullptr, nullptr);
  std::string escaped;
  for (const char* p = out; *p; ++p) {
    if (*p == '"' || *p == '\\') escaped += '\\';
    if (static_cast<unsigned char>(*p) < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", *p);
      escaped += code;
    } else {
      escaped += *p;
    }
  }
  return escaped;
}

std::wstring widen(const std::string& text) {
  wchar_t out[4096];
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out, 4096);
  return out;
}

std::string rect_json(const RECT& r) {
  std::ostringstream out;
  out << "[" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "]";
  return out.str();
}

DWORD program_thread() { return program.dwThreadId; }

struct Found {
  const wchar_t* class_name;
  HWND window;
};

BOOL CALLBACK find_in_thread(HWND window, LPARAM context) {
  auto found = reinterpret_cast<Found*>(context);
  wchar_t name[64];
  GetClassNameW(window, name, 64);
  if (wcscmp(name, found->class_name) == 0 && IsWindowVisible(window)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

HWND find_program_window(const wchar_t* class_name) {
  Found found{class_name, nullptr};
  if (program_thread()) EnumThreadWindows(program_thread(), find_in_thread, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

HWND main_window() { return find_program_window(L"Vodrelik.MainWindow"); }
HWND message_box() { return find_program_window(L"#32770"); }

std::string window_text_ansi(HWND window) {
  LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

std::string wide_text(HWND window) {
  wchar_t text[4096];
  GetWindowTextW(window, text, 4096);
  return utf8(text);
}

std::string describe_window(HWND window) {
  std::ostringstream out;
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  wchar_t name[64];
  GetClassNameW(window, name, 64);
  out << "{\"hwnd\":" << reinterpret_cast<UINT_PTR>(window) << ",\"class\":\"" << utf8(name) << "\",\"title\":\""
      << wide_text(window) << "\",\"rect\":" << rect_json(outer) << ",\"client\":" << rect_json(client)
      << ",\"style\":" << static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE))
      << ",\"exstyle\":" << static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))
      << ",\"id\":" << static_cast<DWORD>(GetWindowLongPtrW(window, GWLP_ID));
  out << "}";
  return out.str();
}

std::string describe_children(HWND parent) {
  std::ostringstream out;
  out << "[";
  bool first = true;
  // Top of the stacking order first.
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    wchar_t name[64];
    GetClassNameW(child, name, 64);
    std::string text = window_text_ansi(child);
    out << (first ? "" : ",") << "{\"class\":\"" << utf8(name) << "\",\"id\":" << GetDlgCtrlID(child)
        << ",\"rect\":" << rect_json(r) << ",\"text\":\"" << hex(text.data(), text.size())
        << "\",\"style\":" << static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE))
        << ",\"exstyle\":" << static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE))
        << ",\"visible\":" << (IsWindowVisible(child) ? 1 : 0) << ",\"enabled\":" << (IsWindowEnabled(child) ? 1 : 0)
        << ",\"unicode\":" << (IsWindowUnicode(child) ? 1 : 0) << "}";
    first = false;
  }
  out << "]";
  return out.str();
}

void send_inputs(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT key_input(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// "key VK [ctrl] [shift] [alt]"
void press_key(WORD vk, bool ctrl, bool shift, bool alt) {
  std::vector<INPUT> inputs;
  if (ctrl) inputs.push_back(key_input(VK_CONTROL, false));
  if (shift) inputs.push_back(key_input(VK_SHIFT, false));
  if (alt) inputs.push_back(key_input(VK_MENU, false));
  inputs.push_back(key_input(vk, false));
  inputs.push_back(key_input(vk, true));
  if (alt) inputs.push_back(key_input(VK_MENU, true));
  if (shift) inputs.push_back(key_input(VK_SHIFT, true));
  if (ctrl) inputs.push_back(key_input(VK_CONTROL, true));
  send_inputs(inputs);
}

void type_text(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = c;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(input);
    input.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  send_inputs(inputs);
}

void click_at(int x, int y) {
  SetCursorPos(x, y);
  std::vector<INPUT> inputs(2);
  for (auto& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  send_inputs(inputs);
}

// Waits until the program's thread has handled everything sent so far.
void settle() {
  for (int i = 0; i < 3; ++i) {
    Sleep(60);
    if (HWND window = main_window()) {
      DWORD_PTR ignored;
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
    }
  }
}

std::string focus_json() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(program_thread(), &info);
  HWND foreground = GetForegroundWindow();
  std::ostringstream out;
  out << "{\"focus_id\":" << (info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0)
      << ",\"focus_is_main\":" << (info.hwndFocus && info.hwndFocus == main_window() ? 1 : 0)
      << ",\"active_is_main\":" << (info.hwndActive && info.hwndActive == main_window() ? 1 : 0)
      << ",\"foreground_is_main\":" << (foreground && foreground == main_window() ? 1 : 0) << "}";
  return out.str();
}

std::string clipboard_json() {
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(50);
  std::string result = "{\"text\":null,\"formats\":\"";
  for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
    result += std::to_string(format) + " ";
  result += "\"}";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    auto bytes = static_cast<const char*>(GlobalLock(data));
    SIZE_T size = GlobalSize(data);
    if (bytes) {
      result = "{\"text\":\"" + hex(bytes, strnlen(bytes, size)) + "\",\"block\":" + std::to_string(size) + "}";
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return result;
}

void set_clipboard(const std::string& bytes) {
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(50);
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  std::memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

// Holds the clipboard open from a thread of its own until released.
HANDLE release_clipboard_event = nullptr;
DWORD WINAPI hold_clipboard(LPVOID opened) {
  // Opened for a window: Wine lets a second opener without a window in.
  HWND holder = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  BOOL ok = OpenClipboard(holder);
  *static_cast<BOOL*>(opened) = ok;
  WaitForSingleObject(release_clipboard_event, 60000);
  if (ok) CloseClipboard();
  DestroyWindow(holder);
  return 0;
}

LRESULT CALLBACK helper_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcW(window, message, w, l);
}

void pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

std::string message_box_json() {
  HWND box = message_box();
  if (!box) return "{\"box\":null}";
  std::ostringstream out;
  wchar_t text[1024] = L"";
  GetDlgItemTextW(box, 0xFFFF, text, 1024);
  int buttons = 0;
  RECT icon_area{}, text_area{};
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32];
    GetClassNameW(child, name, 32);
    if (!wcscmp(name, L"Button") && IsWindowVisible(child)) ++buttons;
    if (!wcscmp(name, L"Static") && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) GetWindowRect(child, &icon_area);
    if (GetDlgCtrlID(child) == 0xFFFF) GetWindowRect(child, &text_area);
  }
  // Wine keeps the icon control in every box; with no icon the text is laid over it.
  const bool icon = icon_area.right > icon_area.left && icon_area.right <= text_area.left;
  HWND owner = GetWindow(box, GW_OWNER);
  HWND main = main_window();
  out << "{\"box\":{\"title\":\"" << wide_text(box) << "\",\"text\":\"" << utf8(text) << "\",\"icon\":" << icon
      << ",\"buttons\":" << buttons << ",\"owned\":" << (owner ? 1 : 0)
      << ",\"main_enabled\":" << (main && IsWindowEnabled(main) ? 1 : 0) << "}}";
  return out.str();
}

std::string run(const std::string& line) {
  std::istringstream in(line);
  std::string command;
  in >> command;
  if (command == "desktop") {
    std::string name;
    in >> name;
    HDESK desk = CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return std::string("{\"ok\":") + (desk && SetThreadDesktop(desk) ? "true" : "false") + "}";
  }
  if (command == "setenv") {
    std::string name, value;
    in >> name >> value;
    SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
    return "{\"ok\":true}";
  }
  if (command == "launch") {  // launch DESKTOP WINDOWS-PATH [ARGS...]
    std::string desktop, rest;
    in >> desktop;
    std::getline(in, rest);
    rest.erase(0, rest.find_first_not_of(' '));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.data();
    std::vector<char> command_line(rest.begin(), rest.end());
    command_line.push_back('\0');
    PROCESS_INFORMATION started{};
    BOOL ok = CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started);
    if (ok) {
      program = started;
      WaitForInputIdle(started.hProcess, 10000);
    }
    return std::string("{\"ok\":") + (ok ? "true" : "false") + ",\"pid\":" + std::to_string(started.dwProcessId) + "}";
  }
  if (command == "wait_window" || command == "wait_box") {
    int ms = 10000;
    in >> ms;
    HWND found = nullptr;
    for (int waited = 0; waited < ms && !found; waited += 50) {
      found = command == "wait_window" ? main_window() : message_box();
      if (!found) Sleep(50);
    }
    return std::string("{\"ok\":") + (found ? "true" : "false") + "}";
  }
  if (command == "window") {
    HWND window = main_window();
    return window ? describe_window(window) : "null";
  }
  if (command == "controls") return describe_children(main_window());
  if (command == "focus") return focus_json();
  if (command == "text") {  // text ID: the control's bytes as the ANSI functions see them
    int id = 0;
    in >> id;
    std::string text = window_text_ansi(GetDlgItem(main_window(), id));
    return "{\"text\":\"" + hex(text.data(), text.size()) + "\"}";
  }
  if (command == "settext") {  // settext ID HEX: as a paste would leave it
    int id = 0;
    std::string bytes;
    in >> id >> bytes;
    bytes = unhex(bytes);
    SendMessageA(GetDlgItem(main_window(), id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
    return "{\"ok\":true}";
  }
  if (command == "key") {
    int vk = 0;
    std::string modifier;
    bool ctrl = false, shift = false, alt = false;
    in >> vk;
    while (in >> modifier) {
      ctrl |= modifier == "ctrl";
      shift |= modifier == "shift";
      alt |= modifier == "alt";
    }
    press_key(static_cast<WORD>(vk), ctrl, shift, alt);
    settle();
    return "{\"ok\":true}";
  }
  if (command == "type") {  // type UTF8-HEX
    std::string bytes;
    in >> bytes;
    type_text(widen(unhex(bytes)));
    settle();
    return "{\"ok\":true}";
  }
  if (command == "click") {  // click ID DX DY: at (DX, DY) inside the control, or the main window's client
    int id = 0, dx = -1, dy = -1;
    in >> id >> dx >> dy;
    HWND target = id ? GetDlgItem(main_window(), id) : main_window();
    RECT r{};
    GetWindowRect(target, &r);
    if (dx < 0) dx = (r.right - r.left) / 2;
    if (dy < 0) dy = (r.bottom - r.top) / 2;
    click_at(r.left + dx, r.top + dy);
    settle();
    return "{\"ok\":true}";
  }
  if (command == "click_screen") {
    int x = 0, y = 0;
    in >> x >> y;
    click_at(x, y);
    settle();
    return "{\"ok\":true}";
  }
  if (command == "caret") {  // the selection of an edit box
    int id = 0;
    in >> id;
    DWORD start = 0, end = 0;
    SendMessageW(GetDlgItem(main_window(), id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return "{\"start\":" + std::to_string(start) + ",\"end\":" + std::to_string(end) + "}";
  }
  if (command == "switch_away") {
    if (!helper_window) {
      WNDCLASSW helper{};
      helper.lpfnWndProc = helper_procedure;
      helper.hInstance = GetModuleHandleW(nullptr);
      helper.lpszClassName = L"Probe.Other";
      RegisterClassW(&helper);
      helper_window = CreateWindowExW(0, L"Probe.Other", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                      nullptr, nullptr, helper.hInstance, nullptr);
    }
    ShowWindow(helper_window, SW_SHOW);
    SetForegroundWindow(helper_window);
    for (int i = 0; i < 10; ++i) {
      pump();
      Sleep(30);
    }
    settle();
    return std::string("{\"ok\":") + (GetForegroundWindow() == helper_window ? "true" : "false") + "}";
  }
  if (command == "switch_back") {
    SetForegroundWindow(main_window());
    for (int i = 0; i < 10; ++i) {
      pump();
      Sleep(30);
    }
    settle();
    return std::string("{\"ok\":") + (GetForegroundWindow() == main_window() ? "true" : "false") + "}";
  }
  if (command == "click_close") {  // the caption's close button, found by hit testing
    HWND window = main_window();
    RECT r{};
    GetWindowRect(window, &r);
    for (int y = r.top; y < r.top + 40; ++y)
      for (int x = r.right - 1; x > r.right - 60; --x)
        if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
          click_at(x + 0, y + 2);
          return "{\"ok\":true}";
        }
    return "{\"ok\":false}";
  }
  if (command == "dismiss_titled") {  // dismiss_titled UTF8-TITLE MS: a box of any process
    std::string title;
    int ms = 10000;
    in >> title >> ms;
    for (int waited = 0; waited < ms; waited += 50) {
      if (HWND box = FindWindowW(L"#32770", widen(title).c_str())) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return "{\"ok\":true}";
      }
      Sleep(50);
    }
    return "{\"ok\":false}";
  }
  if (command == "box") return message_box_json();
  if (command == "dismiss") {  // presses the box's OK button
    HWND box = message_box();
    if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
    return std::string("{\"ok\":") + (box ? "true" : "false") + "}";
  }
  if (command == "syscommand") {  // syscommand CODE: as the system menu sends it
    unsigned code = 0;
    in >> code;
    PostMessageW(main_window(), WM_SYSCOMMAND, code, 0);
    return "{\"ok\":true}";
  }
  if (command == "wait_exit") {
    int ms = 10000;
    in >> ms;
    DWORD status = STILL_ACTIVE;
    if (program.hProcess && WaitForSingleObject(program.hProcess, ms) == WAIT_OBJECT_0)
      GetExitCodeProcess(program.hProcess, &status);
    return status == STILL_ACTIVE ? "{\"exited\":false}" : "{\"exited\":true,\"status\":" + std::to_string(status) + "}";
  }
  if (command == "kill") {
    if (program.hProcess) TerminateProcess(program.hProcess, 1);
    return "{\"ok\":true}";
  }
  if (command == "clipboard") return clipboard_json();
  if (command == "clipboard_set") {
    std::string bytes;
    in >> bytes;
    set_clipboard(unhex(bytes));
    return "{\"ok\":true}";
  }
  if (command == "clipboard_hold") {
    static BOOL opened = FALSE;
    release_clipboard_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    held_clipboard_thread = CreateThread(nullptr, 0, hold_clipboard, &opened, 0, nullptr);
    Sleep(200);
    return std::string("{\"ok\":") + (opened ? "true" : "false") + "}";
  }
  if (command == "clipboard_release") {
    SetEvent(release_clipboard_event);
    WaitForSingleObject(held_clipboard_thread, 5000);
    return "{\"ok\":true}";
  }
  if (command == "screen") {
    return "{\"width\":" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) +
           ",\"height\":" + std::to_string(GetSystemMetrics(SM_CYSCREEN)) + ",\"acp\":" + std::to_string(GetACP()) + "}";
  }
  return "{\"error\":\"unknown command\"}";
}

}  // namespace

int main() {
  std::string line;
  char buffer[1 << 16];
  while (std::fgets(buffer, sizeof buffer, stdin)) {
    line = buffer;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (line == "quit") break;
    std::string answer = run(line);
    std::fputs(answer.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
  }
  return 0;
}
