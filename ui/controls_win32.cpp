#include <windows.h>

#include <array>

#include "ui/controls.h"
#include "ui/window_system_win32.h"

namespace vodrelik {
namespace {

constexpr wchar_t kLabelClass[] = L"Vodrelik.Label";
constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kButtonStyle = kChild | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD kLabelStyle = kChild;
constexpr DWORD kSingleLineStyle = kChild | ES_AUTOHSCROLL;
constexpr DWORD kMultiLineStyle = kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

HFONT gui_font() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

SIZE text_extent(HWND window, HFONT font, const wchar_t* text) {
  SIZE extent{};
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return extent;
}

// --- Labels: paint themselves, take no focus, start nothing. ---

LRESULT CALLBACK label_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SETFONT:
      SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(w));
      if (LOWORD(l)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(window, GWLP_USERDATA);
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole label
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
      wchar_t text[64];
      GetWindowTextW(window, text, 64);
      HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(GetWindowLongPtrW(window, GWLP_USERDATA)));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      DrawTextW(dc, text, -1, &area, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
      SelectObject(dc, previous);
      EndPaint(window, &paint);
      return 0;
    }
  }
  return DefWindowProcW(window, message, w, l);
}

// --- The single-line box: its text in a band one line high, centred inside
// the frame; the white strips above and below belong to the frame. ---

WNDPROC single_line_default = nullptr;

int line_height(HWND box) {
  return text_extent(box, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), L"W").cy;
}

void narrow_to_band(HWND box, RECT& client) {
  int inner = client.bottom - client.top;
  int line = line_height(box);
  if (line >= inner) return;
  client.top += (inner - line) / 2;
  client.bottom = client.top + line;
}

// The space inside the frame, in window coordinates.
RECT inside_frame(HWND box) {
  RECT outer;
  GetWindowRect(box, &outer);
  RECT inside{0, 0, outer.right - outer.left, outer.bottom - outer.top};
  InflateRect(&inside, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  return inside;
}

RECT band_in_window(HWND box) {
  RECT band;
  GetClientRect(box, &band);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&band), 2);
  RECT outer;
  GetWindowRect(box, &outer);
  OffsetRect(&band, -outer.left, -outer.top);
  return band;
}

void paint_strips(HWND box) {
  RECT inside = inside_frame(box);
  RECT band = band_in_window(box);
  HDC dc = GetWindowDC(box);
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RECT above{inside.left, inside.top, inside.right, band.top};
  RECT below{inside.left, band.bottom, inside.right, inside.bottom};
  FillRect(dc, &above, white);
  FillRect(dc, &below, white);
  ReleaseDC(box, dc);
}

LRESULT CALLBACK single_line_procedure(HWND box, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_NCCALCSIZE: {
      LRESULT result = CallWindowProcA(single_line_default, box, message, w, l);
      narrow_to_band(box, w ? reinterpret_cast<NCCALCSIZE_PARAMS*>(l)->rgrc[0] : *reinterpret_cast<RECT*>(l));
      return result;
    }
    case WM_NCPAINT: {
      LRESULT result = CallWindowProcA(single_line_default, box, message, w, l);
      paint_strips(box);
      return result;
    }
    case WM_NCHITTEST: {
      LRESULT result = CallWindowProcA(single_line_default, box, message, w, l);
      return result == HTCLIENT ? HTCLIENT : HTBORDER;
    }
    case WM_SETFONT: {
      LRESULT result = CallWindowProcA(single_line_default, box, message, w, l);
      SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return result;
    }
  }
  return CallWindowProcA(single_line_default, box, message, w, l);
}

// A single-line box is never lower than a line of text and its frame.
void apply_least_height(HWND box) {
  int least = text_extent(box, gui_font(), L"吴").cy + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT outer;
  GetWindowRect(box, &outer);
  if (outer.bottom - outer.top >= least) return;
  SetWindowPos(box, nullptr, 0, 0, outer.right - outer.left, least, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND create_edit_box(const ControlDescription& control, HWND parent, DWORD tab_stop) {
  HWND box = create_window_ansi(WS_EX_CLIENTEDGE, "EDIT", (control.multi_line ? kMultiLineStyle : kSingleLineStyle) | tab_stop,
                                control.left, control.top, control.width, control.height, parent, control.identity);
  if (!box) return nullptr;
  if (!control.multi_line) {
    single_line_default = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(single_line_procedure)));
  }
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font()), FALSE);
  if (!control.multi_line) apply_least_height(box);
  SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
  SendMessageA(box, EM_SETSEL, 0, 0);
  return box;
}

HWND create_control(const ControlDescription& control, HWND parent) {
  const DWORD tab_stop = control.tab_stop ? WS_TABSTOP : 0;
  if (control.kind == ControlKind::edit_box) return create_edit_box(control, parent, tab_stop);
  const bool button = control.kind == ControlKind::button;
  HWND window = create_window(0, button ? L"BUTTON" : kLabelClass, widen(control.text).c_str(),
                              (button ? kButtonStyle : kLabelStyle) | tab_stop, control.left, control.top,
                              control.width, control.height, parent, control.identity);
  if (window) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font()), FALSE);
  return window;
}

}  // namespace

bool register_control_classes(HINSTANCE instance) {
  WNDCLASSEXW label_class{};
  label_class.cbSize = sizeof label_class;
  label_class.lpfnWndProc = label_procedure;
  label_class.hInstance = instance;
  label_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  label_class.lpszClassName = kLabelClass;
  return RegisterClassExW(&label_class) != 0;
}

bool build_controls(HWND parent) {
  constexpr std::size_t n = kControlDescriptions.size();
  std::array<HWND, n> created{};
  for (std::size_t i = n; i-- > 0;) {
    created[i] = create_control(kControlDescriptions[i], parent);
    if (!created[i]) return false;
  }
  for (std::size_t i = 0; i < n; ++i)
    SetWindowPos(created[i], i == 0 ? HWND_TOP : created[i - 1], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (std::size_t i = 0; i < n; ++i)
    if (kControlDescriptions[i].visible) ShowWindow(created[i], SW_SHOWNA);
  return true;
}

}  // namespace vodrelik
