// The real window and controls, built in this process, for what cannot be
// seen from another process under Wine (fonts, icons, menus, colours) and for
// the edit boxes' text access.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "ui/controls.h"
#include "ui/edit_text.h"
#include "ui/window_system_win32.h"

namespace vodrelik {
namespace {

class MainWindowBuilt : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(build_main_window(GetModuleHandleW(nullptr))); }
};
const auto* const built = ::testing::AddGlobalTestEnvironment(new MainWindowBuilt);

std::string read(std::uint32_t box) {
  Text text = read_content(box);
  return text ? std::string(text.get()) : std::string("<null>");
}

TEST(Window, UsesTheProgramIconAsLargeAndSmallIcon) {
  EXPECT_NE(SendMessageW(main_window(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(main_window(), WM_GETICON, ICON_SMALL, 0), 0);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(main_window(), WM_GETICON, ICON_SMALL, 0)), &info));
  BITMAP colour{};
  GetObjectW(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXSMICON));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

// The system menu sets the states of its entries when it opens, so they are
// read while it is open, from a timer that runs inside its modal loop.
std::vector<std::pair<UINT, UINT>> states_seen_in_open_menu;

void CALLBACK read_open_system_menu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HMENU menu = GetSystemMenu(main_window(), FALSE);
  for (UINT entry : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_MOVE, SC_CLOSE})
    states_seen_in_open_menu.emplace_back(entry, GetMenuState(menu, entry, MF_BYCOMMAND));
  EndMenu();
}

TEST(Window, SystemMenuOffersOnlyMoveAndClose) {
  show_main_window();
  SetTimer(nullptr, 0, 200, read_open_system_menu);
  SendMessageW(main_window(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  ASSERT_EQ(states_seen_in_open_menu.size(), 6u) << "the system menu did not open";
  for (auto [entry, state] : states_seen_in_open_menu) {
    const bool usable = state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(usable, entry == SC_MOVE || entry == SC_CLOSE) << std::hex << entry << " state " << state;
  }
}

TEST(Controls, AllUseTheDefaultGuiFont) {
  for (const ControlDescription& control : kControlDescriptions)
    EXPECT_EQ(SendMessageW(find_control(control.identity), WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)))
        << control.name;
}

TEST(Controls, EditBoxesAreBlackOnWhiteWhateverTheSystemColours) {
  HDC dc = GetDC(main_window());
  for (std::uint32_t box : {controls::编辑框1, controls::编辑框2}) {
    SetTextColor(dc, RGB(200, 200, 200));
    SetBkColor(dc, RGB(10, 10, 10));
    LRESULT brush = SendMessageW(main_window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(find_control(box)));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  }
  ReleaseDC(main_window(), dc);
}

TEST(Controls, LabelsHaveTheArrowAndNoClassBrush) {
  HWND label = find_control(controls::标签1);
  EXPECT_EQ(GetClassLongPtrW(label, GCLP_HBRBACKGROUND), 0);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(label, GCLP_HCURSOR)), LoadCursorW(nullptr, IDC_ARROW));
}

TEST(Controls, SingleLineBoxHoldsItsTextInACentredBandOneLineHigh) {
  HWND box = find_control(controls::编辑框1);
  HDC dc = GetDC(box);
  HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE w{}, least{};
  GetTextExtentPoint32W(dc, L"W", 1, &w);
  GetTextExtentPoint32W(dc, L"吴", 1, &least);
  SelectObject(dc, previous);
  ReleaseDC(box, dc);

  RECT outer{}, band{};
  GetWindowRect(box, &outer);
  GetClientRect(box, &band);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&band), 2);
  const int inner = (outer.bottom - outer.top) - 2 * GetSystemMetrics(SM_CYEDGE);
  EXPECT_EQ(outer.bottom - outer.top, 24) << "24 pixels are above the least height " << least.cy + 4;
  EXPECT_EQ(band.bottom - band.top, w.cy);
  EXPECT_EQ(band.top - outer.top - GetSystemMetrics(SM_CYEDGE), (inner - w.cy) / 2);

  HWND multi = find_control(controls::编辑框2);
  RECT whole{}, multi_client{};
  GetWindowRect(multi, &whole);
  GetClientRect(multi, &multi_client);
  EXPECT_EQ(multi_client.bottom, (whole.bottom - whole.top) - 2 * GetSystemMetrics(SM_CYEDGE));
}

TEST(EditText, ReadsBackWhatWasWrittenByteForByte) {
  struct Case {
    const char* written;
    const char* read;
  };
  const Case cases[] = {
      {"https://pan.example.com/s/1a2B3c", "https://pan.example.com/s/1a2B3c"},
      {"\xCF\xC2\xD4\xD8\xC1\xB4\xBD\xD3", "\xCF\xC2\xD4\xD8\xC1\xB4\xBD\xD3"},  // GBK
      {"one\ntwo\n", "one\ntwo\n"},
      {"one\r\ntwo", "one\r\ntwo"},
      {"", "<null>"},
      {nullptr, "<null>"},
  };
  for (std::uint32_t box : {controls::编辑框1, controls::编辑框2}) {
    for (const Case& c : cases) {
      write_content(box, "old text");
      write_content(box, c.written);
      EXPECT_EQ(read(box), c.read) << std::hex << box << " " << (c.written ? c.written : "null");
    }
  }
}

TEST(EditText, AWriteIsNotBoundByTheTypingLimit) {
  const std::string long_link(70000, 'x');
  write_content(controls::编辑框1, long_link.c_str());
  EXPECT_EQ(read(controls::编辑框1), long_link);
  write_content(controls::编辑框1, nullptr);
}

}  // namespace
}  // namespace vodrelik
