#include <windows.h>

#include "app/faults.h"
#include "app/program.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/window_system_win32.h"

namespace vodrelik {
namespace {

constexpr wchar_t kMainClass[] = L"Vodrelik.MainWindow";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_APPWINDOW;
constexpr int kProgramIcon = 1;

HWND the_main_window = nullptr;
HWND focus_at_deactivation = nullptr;
int windows_created = 0;

void give_focus() {
  HWND target = focus_at_deactivation;
  if (!target || !IsWindow(target) || !IsChild(the_main_window, target))
    target = find_control(tab_order().front());
  SetFocus(target);
}

void move_focus(TabDirection direction) {
  HWND focused = GetFocus();
  std::uint32_t current = IsChild(the_main_window, focused) ? GetDlgCtrlID(focused) : 0;
  SetFocus(find_control(next_in_tab_order(current, direction)));
}

LRESULT on_colour_edit(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (IsChild(window, focused)) focus_at_deactivation = focused;
      } else if (!IsIconic(window)) {
        give_focus();
      }
      return 0;
    case WM_SETFOCUS:
      give_focus();
      return 0;
    case WM_COMMAND:
      if (HIWORD(w) == BN_CLICKED && l) raise_event(static_cast<std::uint32_t>(GetDlgCtrlID(reinterpret_cast<HWND>(l))), Event::clicked);
      return 0;
    case WM_CTLCOLOREDIT:
      return on_colour_edit(reinterpret_cast<HDC>(w));
    case WM_DESTROY:
      the_main_window = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

HICON load_program_icon(HINSTANCE instance, int metric_x, int metric_y) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON,
                                       GetSystemMetrics(metric_x), GetSystemMetrics(metric_y), 0));
}

bool register_main_class(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = main_window_procedure;
  window_class.hInstance = instance;
  window_class.hIcon = load_program_icon(instance, SM_CXICON, SM_CYICON);
  window_class.hIconSm = load_program_icon(instance, SM_CXSMICON, SM_CYSMICON);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // A system colour index as brush: the face colour is read at every paint.
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kMainClass;
  return RegisterClassExW(&window_class) != 0;
}

void insist_on_size(HWND window, Point place) {
  RECT outer{};
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != kMainWindowSize.width || outer.bottom - outer.top != kMainWindowSize.height)
    SetWindowPos(window, nullptr, place.x, place.y, kMainWindowSize.width, kMainWindowSize.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Key key_of(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_TAB: return Key::tab;
    case VK_ESCAPE: return Key::escape;
    case VK_RETURN: return Key::enter;
    case VK_F1: return Key::f1;
    case VK_SPACE: return Key::space;
  }
  bool letter = virtual_key >= 'A' && virtual_key <= 'Z';
  bool digit = virtual_key >= '0' && virtual_key <= '9';
  return letter || digit ? Key::letter_or_digit : Key::other;
}

bool is_down(int virtual_key) { return (GetKeyState(virtual_key) & 0x8000) != 0; }

}  // namespace

std::wstring widen(std::string_view utf8) {
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

HWND create_window(DWORD ex_style, const wchar_t* class_name, const wchar_t* title, DWORD style, int x, int y,
                   int width, int height, HWND parent, std::uint32_t identity) {
  if (faults::fail_window_creation(windows_created++)) return nullptr;
  HMENU menu = parent ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identity)) : nullptr;
  return CreateWindowExW(ex_style, class_name, title, style, x, y, width, height, parent, menu,
                         GetModuleHandleW(nullptr), nullptr);
}

HWND create_window_ansi(DWORD ex_style, const char* class_name, DWORD style, int x, int y, int width, int height,
                        HWND parent, std::uint32_t identity) {
  if (faults::fail_window_creation(windows_created++)) return nullptr;
  return CreateWindowExA(ex_style, class_name, "", style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(identity)), GetModuleHandleW(nullptr),
                         nullptr);
}

HWND main_window() { return the_main_window; }

HWND find_control(std::uint32_t identity) { return GetDlgItem(the_main_window, static_cast<int>(identity)); }

bool build_main_window(HINSTANCE instance) {
  if (!register_main_class(instance) || !register_control_classes(instance)) return false;
  const Point place = centred_position({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  the_main_window = create_window(kMainExStyle, kMainClass, widen(kMainWindowTitle).c_str(), kMainStyle, place.x,
                                  place.y, kMainWindowSize.width, kMainWindowSize.height, nullptr, kMainWindowIdentity);
  if (!the_main_window) return false;
  insist_on_size(the_main_window, place);
  SendMessageW(the_main_window, WM_SETICON, ICON_BIG, GetClassLongPtrW(the_main_window, GCLP_HICON));
  SendMessageW(the_main_window, WM_SETICON, ICON_SMALL, GetClassLongPtrW(the_main_window, GCLP_HICONSM));
  return build_controls(the_main_window);
}

void show_main_window() {
  ShowWindow(the_main_window, SW_SHOWNORMAL);
  SetForegroundWindow(the_main_window);
  UpdateWindow(the_main_window);
}

bool filter_key_message(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (!the_main_window || (message.hwnd != the_main_window && !IsChild(the_main_window, message.hwnd))) return false;
  HWND focused = GetFocus();
  std::uint32_t focused_identity = IsChild(the_main_window, focused) ? GetDlgCtrlID(focused) : 0;
  Modifiers modifiers{is_down(VK_CONTROL), is_down(VK_SHIFT), is_down(VK_MENU)};
  KeyOutcome outcome = filter_key(key_of(message.wParam), modifiers, focused_identity);
  switch (outcome.effect) {
    case KeyEffect::focus_next: move_focus(TabDirection::forward); break;
    case KeyEffect::focus_previous: move_focus(TabDirection::backward); break;
    case KeyEffect::close_window: SendMessageW(the_main_window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case KeyEffect::none:
    case KeyEffect::new_line: break;
  }
  return outcome.consumed;
}

}  // namespace vodrelik
