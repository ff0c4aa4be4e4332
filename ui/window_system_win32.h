#pragma once
// What the Win32 shell files share among themselves.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace vodrelik {

// The program's own literals are UTF-8; the wide functions show them right
// whatever the ANSI code page.
std::wstring widen(std::string_view utf8);

// Creation through one door, so the test build can make any of them fail.
HWND create_window(DWORD ex_style, const wchar_t* class_name, const wchar_t* title, DWORD style, int x, int y,
                   int width, int height, HWND parent, std::uint32_t identity);
HWND create_window_ansi(DWORD ex_style, const char* class_name, DWORD style, int x, int y, int width, int height,
                        HWND parent, std::uint32_t identity);

bool build_main_window(HINSTANCE instance);  // hidden, with its controls
void show_main_window();
HWND main_window();
HWND find_control(std::uint32_t identity);

bool build_controls(HWND parent);
bool register_control_classes(HINSTANCE instance);

// The keyboard rules, applied to a queued message before dispatch; true when
// the message is consumed.
bool filter_key_message(const MSG& message);

}  // namespace vodrelik
