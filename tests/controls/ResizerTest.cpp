// The resizer: anchors to the window and to other controls, proportional
// sides, and the collapse of overlapping controls.
#include "TestWindows.h"

#include "controls/Resizer.h"
#include "platform/Control.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"

#include <gtest/gtest.h>

namespace {

using test::kFrame;
using test::kPlainList;
using test::kSearch;
using test::kSortedList;
using test::kTab;

constexpr ResizeSide Offset(std::int32_t side) { return {ANCHOR_OFFSET, IDC_MAIN, side}; }

class ResizerTest : public ::testing::Test {
 protected:
  void SetUp() override { session.Open(window); }
  ui::Rect RectOf(int id) const { return window.GetDlgItem(id)->GetRect(); }
  ui::Control& Item(int id) { return *window.GetDlgItem(id); }

  ui::headless::Session session;
  test::Window window;
  CResizer resizer;
};

TEST_F(ResizerTest, TheTabControlKeepsItsDistancesToTheWindowSides) {
  static const ResizeInfo kTable[] = {
      {kTab, Offset(SIDE_LEFT), Offset(SIDE_TOP), Offset(SIDE_RIGHT), Offset(SIDE_BOTTOM)}};
  const ui::Rect client = window.GetClientRect();
  const ui::Rect before = RectOf(kTab);
  ASSERT_TRUE(resizer.SetUp(window, nullptr, kTable, 1));

  window.UserResize(client.Width() + 100, client.Height() + 40);
  resizer.Move();
  ui::Rect wider = RectOf(kTab);
  EXPECT_EQ(wider.left, before.left);
  EXPECT_EQ(wider.top, before.top);
  EXPECT_EQ(wider.Width(), before.Width() + 100);
  EXPECT_EQ(wider.Height(), before.Height() + 40);

  window.UserResize(client.Width() - 50, client.Height() - 30);
  resizer.Move();
  ui::Rect narrower = RectOf(kTab);
  EXPECT_EQ(narrower.left, before.left);
  EXPECT_EQ(narrower.right, before.right - 50);
  EXPECT_EQ(narrower.bottom, before.bottom - 30);
}

TEST_F(ResizerTest, ProportionalKeepWidthAndControlReferences) {
  // The search box keeps its size and its place relative to the frame, whose
  // left edge is proportional to the window width; the frame's centre
  // follows the window's centre.
  Item(kTab).ShowWindow(false);
  Item(kSortedList).ShowWindow(false);
  Item(kPlainList).ShowWindow(false);
  Item(kFrame).MoveWindow(ui::Rect{300, 20, 400, 220});
  Item(kSearch).MoveWindow(ui::Rect{300, 230, 380, 250});
  window.UserResize(600, 300);
  static const ResizeInfo kTable[] = {
      {kFrame, {ANCHOR_PROPORTIONAL, IDC_MAIN, SIDE_LEFT}, Offset(SIDE_TOP),
       {ANCHOR_KEEP_WIDTH, 0, 0}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_VCENTER}},
      {kSearch, {ANCHOR_OFFSET, kFrame, SIDE_LEFT}, {ANCHOR_OFFSET, kFrame, SIDE_BOTTOM},
       {ANCHOR_KEEP_WIDTH, 0, 0}, {ANCHOR_KEEP_HEIGHT, 0, 0}},
  };
  ASSERT_TRUE(resizer.SetUp(window, nullptr, kTable, 2));

  window.UserResize(900, 400);
  resizer.Move();
  // left: 300 * 900 / 600; bottom: 220 - 150 + 200.
  EXPECT_EQ(RectOf(kFrame), (ui::Rect{450, 20, 550, 270}));
  EXPECT_EQ(RectOf(kSearch), (ui::Rect{450, 280, 530, 300}));
}

TEST_F(ResizerTest, AProportionalSideOfAZeroSizedReferenceCountsItAsOne) {
  Item(kTab).ShowWindow(false);
  Item(kSortedList).ShowWindow(false);
  Item(kPlainList).ShowWindow(false);
  Item(kSearch).MoveWindow(ui::Rect{10, 10, 30, 20});
  static const ResizeInfo kTable[] = {
      {kSearch, {ANCHOR_PROPORTIONAL, IDC_MAIN, SIDE_LEFT}, {ANCHOR_PROPORTIONAL, IDC_MAIN, SIDE_TOP},
       {ANCHOR_KEEP_WIDTH, 0, 0}, {ANCHOR_KEEP_HEIGHT, 0, 0}}};
  const ui::Rect empty{0, 0, 0, 0};
  ASSERT_TRUE(resizer.SetUp(window, &empty, kTable, 1));
  window.UserResize(3, 2);
  resizer.Move();
  EXPECT_EQ(RectOf(kSearch), (ui::Rect{30, 20, 50, 30}));
}

TEST_F(ResizerTest, ALaterVisibleOverlappingControlCollapsesUnlessItClipsSiblings) {
  Item(kTab).ShowWindow(false);
  Item(kSearch).ShowWindow(false);
  const ui::Rect frame = RectOf(kFrame);
  // The frame moves with the window's right side, the sorted list grows with
  // it; the plain list stays where it overlaps the sorted list.
  static const ResizeInfo kTable[] = {
      {kFrame, Offset(SIDE_RIGHT), Offset(SIDE_TOP), Offset(SIDE_RIGHT), Offset(SIDE_BOTTOM)},
      {kSortedList, Offset(SIDE_LEFT), Offset(SIDE_TOP), Offset(SIDE_RIGHT), Offset(SIDE_TOP)},
      {kPlainList, {ANCHOR_OFFSET, IDC_MAIN, SIDE_LEFT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_TOP},
       {ANCHOR_KEEP_WIDTH, 0, 0}, {ANCHOR_KEEP_HEIGHT, 0, 0}},
  };
  Item(kSortedList).MoveWindow(ui::Rect{10, 20, frame.left - 100, 60});
  Item(kPlainList).MoveWindow(ui::Rect{10, 40, 50, 80});  // overlaps the sorted list from the start
  ASSERT_TRUE(resizer.SetUp(window, nullptr, kTable, 3));
  const ui::Rect client = window.GetClientRect();

  window.UserResize(client.Width() + 150, client.Height());
  resizer.Move();
  EXPECT_EQ(RectOf(kFrame).left, frame.left + 150);
  EXPECT_EQ(RectOf(kSortedList).right, frame.left + 50);
  EXPECT_EQ(RectOf(kPlainList), (ui::Rect{}));  // later in the table: collapsed

  // A control with the clip-siblings style is left where it belongs.
  Item(kPlainList).ModifyStyle(0, ui::Style::ClipSiblings);
  resizer.Move();
  EXPECT_EQ(RectOf(kPlainList), (ui::Rect{10, 40, 50, 80}));

  // A hidden control takes no part: with the sorted list hidden, the plain
  // list stays whole; shown again, the later control is the one collapsed.
  Item(kPlainList).ModifyStyle(ui::Style::ClipSiblings, 0);
  Item(kSortedList).ShowWindow(false);
  resizer.Move();
  EXPECT_EQ(RectOf(kPlainList), (ui::Rect{10, 40, 50, 80}));
  Item(kSortedList).ShowWindow(true);
  window.UserResize(client.Width() + 250, client.Height());
  resizer.Move();
  EXPECT_EQ(RectOf(kSortedList).right, frame.left + 150);
  EXPECT_EQ(RectOf(kPlainList), (ui::Rect{}));
}

TEST_F(ResizerTest, SetUpReportsMissingControlsAndClearForgets) {
  static const ResizeInfo kTable[] = {
      {4242, Offset(SIDE_LEFT), Offset(SIDE_TOP), Offset(SIDE_RIGHT), Offset(SIDE_BOTTOM)},
      {kTab, Offset(SIDE_LEFT), Offset(SIDE_TOP), Offset(SIDE_RIGHT), Offset(SIDE_BOTTOM)}};
  EXPECT_FALSE(resizer.SetUp(window, nullptr, kTable, 2));
  EXPECT_EQ(resizer.GetSize(), 1);
  const ui::Rect before = RectOf(kTab);
  resizer.Clear();
  EXPECT_EQ(resizer.GetSize(), 0);
  window.UserResize(1000, 1000);
  resizer.Move();
  EXPECT_EQ(RectOf(kTab), before);
}

}  // namespace
