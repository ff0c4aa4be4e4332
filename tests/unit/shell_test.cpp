// Placement, keyboard rules, Tab order and the fatal stop's texts.
#include <gtest/gtest.h>

#include <limits>

#include "app/allocation.h"
#include "app/fatal_stop.h"
#include "tests/unit/fatal_stop_thrown.h"
#include "ui/controls.h"
#include "ui/main_window.h"

namespace vodrelik {
namespace {

TEST(Placement, CentresOnTheWholeScreenTruncatingTowardZero) {
  struct Case {
    Size screen;
    Point expected;
  };
  const Case cases[] = {
      {{1920, 1080}, {812, 420}}, {{1366, 768}, {535, 264}}, {{1024, 768}, {364, 264}},
      {{1365, 767}, {534, 263}},  {{297, 241}, {0, 0}},      {{296, 240}, {0, 0}},
      {{200, 100}, {-48, -70}},   {{199, 99}, {-48, -70}},  // -48.5 and -70.5 truncate toward zero
  };
  for (const Case& c : cases)
    EXPECT_EQ(centred_position(c.screen), c.expected) << c.screen.width << "x" << c.screen.height;
}

TEST(KeyFilter, AppliesTheRulesBeforeTheControlSeesTheKey) {
  const Modifiers none{}, shift{false, true, false}, ctrl{true, false, false}, alt{false, false, true};
  const Modifiers ctrl_shift{true, true, false};
  struct Case {
    Key key;
    Modifiers modifiers;
    std::uint32_t focused;
    KeyOutcome expected;
  };
  const Case cases[] = {
      {Key::tab, none, controls::编辑框1, {KeyEffect::focus_next, true}},
      {Key::tab, none, controls::编辑框2, {KeyEffect::focus_next, true}},
      {Key::tab, shift, controls::按钮2, {KeyEffect::focus_previous, true}},
      {Key::tab, ctrl, controls::编辑框2, {KeyEffect::none, false}},
      {Key::tab, ctrl_shift, controls::编辑框2, {KeyEffect::none, false}},
      {Key::escape, none, controls::编辑框1, {KeyEffect::close_window, true}},
      {Key::escape, none, controls::编辑框2, {KeyEffect::close_window, true}},
      {Key::escape, none, 0, {KeyEffect::close_window, true}},
      {Key::escape, shift, controls::编辑框1, {KeyEffect::none, false}},
      {Key::enter, none, controls::编辑框2, {KeyEffect::new_line, false}},
      {Key::enter, none, controls::编辑框1, {KeyEffect::none, false}},
      {Key::enter, none, controls::按钮1, {KeyEffect::none, false}},
      {Key::enter, ctrl, controls::编辑框2, {KeyEffect::none, false}},
      {Key::f1, none, controls::编辑框1, {KeyEffect::none, false}},
      {Key::letter_or_digit, alt, controls::按钮1, {KeyEffect::none, false}},
      {Key::space, none, controls::按钮1, {KeyEffect::none, false}},
      {Key::other, none, controls::编辑框1, {KeyEffect::none, false}},
  };
  for (const Case& c : cases) {
    KeyOutcome outcome = filter_key(c.key, c.modifiers, c.focused);
    EXPECT_EQ(outcome, c.expected) << "key " << static_cast<int>(c.key) << " focused " << std::hex << c.focused;
  }
}

TEST(TabOrder, IsTheCreationOrderOfTheTabStops) {
  using namespace controls;
  EXPECT_EQ(tab_order(), (std::array<std::uint32_t, 4>{编辑框1, 按钮1, 编辑框2, 按钮2}));
  struct Case {
    std::uint32_t from;
    std::uint32_t forward, backward;
  };
  const Case cases[] = {
      {编辑框1, 按钮1, 按钮2}, {按钮1, 编辑框2, 编辑框1}, {编辑框2, 按钮2, 按钮1},
      {按钮2, 编辑框1, 编辑框2}, {标签1, 编辑框1, 按钮2},  {0, 编辑框1, 按钮2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(next_in_tab_order(c.from, TabDirection::forward), c.forward) << std::hex << c.from;
    EXPECT_EQ(next_in_tab_order(c.from, TabDirection::backward), c.backward) << std::hex << c.from;
  }
}

TEST(FatalStop, BoxTextsForBothCauses) {
  EXPECT_EQ(fatal_box_text(kWindowLoadFailed).view(), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(allocation_failure_message(1024).view(), "分配 1024 字节内存失败!");
  EXPECT_EQ(fatal_box_text(allocation_failure_message(1024).view()).view(),
            "运行时出错!\r\n\r\n错误信息：分配 1024 字节内存失败!\r\n");
  EXPECT_EQ(allocation_failure_message(0).view(), "分配 0 字节内存失败!");
  EXPECT_EQ(allocation_failure_message(18446744073709551615u).view(), "分配 18446744073709551615 字节内存失败!");
}

TEST(FatalStop, AFailedAllocationStopsWithTheNumberOfBytesAskedFor) {
  const std::size_t impossible = std::numeric_limits<std::size_t>::max() / 2;
  try {
    allocate(impossible);
    FAIL() << "allocation of " << impossible << " bytes returned";
  } catch (const FatalStopped& stop) {
    EXPECT_EQ(stop.message, std::string(allocation_failure_message(impossible).view()));
  }
}

}  // namespace
}  // namespace vodrelik
