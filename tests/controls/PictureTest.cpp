// Pictures: decoding real BMP and JPEG files, sizes in HIMETRIC and pixels,
// the "CPicture Error" boxes, and the frame that shows a picture stretched.
#include "TestImages.h"
#include "TestWindows.h"

#include "controls/Picture.h"
#include "controls/PictureViewer.h"
#include "platform/Button.h"
#include "platform/RecordingSurface.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using test::kFrame;

class PictureTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const std::string& path : files) std::remove(path.c_str());
  }
  std::string File(const std::string& name) {
    files.push_back(test::TempPath(name));
    return files.back();
  }
  std::vector<std::string> files;
  ui::headless::Session session;
};

TEST(PictureMulDiv, RoundsLikeThePlatform) {
  EXPECT_EQ(CPicture::MulDiv(2540, 96, 2540), 96);
  EXPECT_EQ(CPicture::MulDiv(100, 2540, 96), 2646);  // 2645.83
  EXPECT_EQ(CPicture::MulDiv(5, 1, 2), 3);           // halves away from zero
  EXPECT_EQ(CPicture::MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(CPicture::MulDiv(1, 1, 0), -1);
}

TEST_F(PictureTest, ABitmapOf2540By1270HimetricIs96By48Pixels) {
  const std::string path = File("cover.bmp");
  test::WriteBmp(path, 96, 48);
  CPicture picture;
  ASSERT_TRUE(picture.LoadFromFile(path));
  EXPECT_TRUE(picture.HasPicture());
  EXPECT_EQ(picture.GetHimetricWidth(), 2540);
  EXPECT_EQ(picture.GetHimetricHeight(), 1270);
  EXPECT_EQ(picture.GetWidth(), 96);
  EXPECT_EQ(picture.GetHeight(), 48);
  EXPECT_EQ(picture.GetByteCount(), 54 + 96 * 3 * 48);

  // On a 192 dpi screen twice as many pixels; on a printer 96 per inch.
  ui::RecordingSurface screen(192, ui::Size{800, 600}, false);
  picture.RefreshSize(screen);
  EXPECT_EQ(picture.GetWidth(), 192);
  EXPECT_EQ(picture.GetHeight(), 96);
  ui::RecordingSurface printer(600, ui::Size{4960, 7016}, true);
  picture.RefreshSize(printer);
  EXPECT_EQ(picture.GetWidth(), 96);

  picture.Release();
  EXPECT_FALSE(picture.HasPicture());
  EXPECT_EQ(picture.GetWidth(), 0);
  EXPECT_EQ(picture.GetByteCount(), 0);
}

TEST_F(PictureTest, JpegFilesDecodeAndWindowsPathsOpen) {
  const std::string path = File("cover.jpg");
  if (!test::WriteJpeg(path, 130, 200)) GTEST_SKIP() << "built without libjpeg";
  CPicture picture;
  ASSERT_TRUE(picture.LoadFromFile(path));
  EXPECT_EQ(picture.GetWidth(), 130);
  EXPECT_EQ(picture.GetHeight(), 200);
  ASSERT_NE(picture.GetImage(), nullptr);
  EXPECT_EQ(picture.GetImage()->width, 130);

  // "folder\images/cover.jpg", the way the album windows join paths.
  std::string windowsPath = path;
  windowsPath[windowsPath.rfind('/')] = '\\';
  CPicture again;
  EXPECT_TRUE(again.LoadFromFile(windowsPath));
}

TEST_F(PictureTest, AMissingFileShowsTheSystemTextAndHoldsNothing) {
  const std::string good = File("good.bmp");
  test::WriteBmp(good, 4, 4);
  CPicture picture;
  ASSERT_TRUE(picture.LoadFromFile(good));

  session.ExpectMessageBox(std::strerror(ENOENT))
      .Caption("CPicture Error")
      .Type(ui::MB_OK | ui::MB_ICONSTOP);
  EXPECT_FALSE(picture.LoadFromFile(test::TempPath("no_such_picture.jpg")));
  session.Verify();
  EXPECT_FALSE(picture.HasPicture());
  EXPECT_EQ(picture.GetWidth(), 0);
  EXPECT_EQ(picture.GetHeight(), 0);

  // A folder is no picture file either.
  session.ExpectMessageBox(std::strerror(EISDIR)).Caption("CPicture Error");
  EXPECT_FALSE(picture.LoadFromFile(::testing::TempDir()));
  session.Verify();
  // Nor a named pipe, which nothing may ever write to: refused, not waited on.
  const std::string pipe = test::TempPath("tube.jpg");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  session.ExpectMessageBox(std::strerror(EINVAL)).Caption("CPicture Error");
  EXPECT_FALSE(picture.LoadFromFile(pipe));
  session.Verify();
  std::remove(pipe.c_str());

  // Quietly, for callers that show a placeholder themselves.
  picture.SetReportErrors(false);
  EXPECT_FALSE(picture.LoadFromFile(test::TempPath("no_such_picture.jpg")));
  EXPECT_EQ(session.MessageBoxes().size(), 3u);
}

TEST_F(PictureTest, AFileThatIsNoPictureFailsWithoutAMessage) {
  CPicture picture;
  const std::string text = File("notes.jpg");
  test::WriteBytes(text, "Blake et Mortimer, tome 1\r\n");
  EXPECT_FALSE(picture.LoadFromFile(text));
  EXPECT_EQ(picture.GetByteCount(), 27);
  EXPECT_EQ(picture.GetWidth(), 0);

  const std::string empty = File("empty.bmp");
  test::WriteBytes(empty, "");
  EXPECT_FALSE(picture.LoadFromFile(empty));

  // From memory: no picture, but the block itself was accepted.
  EXPECT_TRUE(picture.LoadFromMemory(reinterpret_cast<const unsigned char*>("BM"), 2));
  EXPECT_FALSE(picture.HasPicture());
  EXPECT_TRUE(session.MessageBoxes().empty());
}

TEST_F(PictureTest, TheViewerPaintsThePictureStretchedToTheWholeFrame) {
  test::Window window;
  session.Open(window);
  CPictureViewer viewer;
  ASSERT_TRUE(viewer.SubclassDlgItem(kFrame, window));
  ui::headless::Driver d(window);
  const ui::Rect frame = window.GetButton(kFrame)->GetClientRect();

  ui::RecordingSurface nothing(96, ui::Size{800, 600}, false);
  d.Paint(kFrame, nothing);
  EXPECT_TRUE(nothing.Ops(ui::DrawOp::Picture).empty());  // no picture: nothing painted

  const std::string wide = File("wide.bmp");
  test::WriteBmp(wide, 96, 12);  // proportions unlike the frame's
  ASSERT_TRUE(viewer.ShowFile(wide));
  EXPECT_EQ(viewer.GetPath(), wide);
  viewer.Invalidate();
  ui::RecordingSurface surface(96, ui::Size{800, 600}, false);
  d.Paint(kFrame, surface);
  auto pictures = surface.Ops(ui::DrawOp::Picture);
  ASSERT_FALSE(pictures.empty());
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures.back().rect, frame);  // the picture covers the whole frame
  // Resampled once to the frame's size, not at every paint.
  EXPECT_EQ(pictures.back().imageWidth, frame.Width());
  EXPECT_EQ(pictures.back().imageHeight, frame.Height());
  EXPECT_EQ(viewer.GetPicture().GetWidth(), 96);
  EXPECT_EQ(viewer.GetPicture().GetHeight(), 12);

  // A large cover is decoded near the frame's size; its own size is kept.
  const std::string large = File("large.jpg");
  ASSERT_TRUE(test::WriteJpeg(large, 16 * frame.Width(), 16 * frame.Height()));
  ASSERT_TRUE(viewer.ShowFile(large));
  const ui::Image& held = *viewer.GetPicture().GetImage();
  EXPECT_GE(held.width, frame.Width());
  EXPECT_LE(held.width, 2 * frame.Width());
  EXPECT_GE(held.height, frame.Height());
  EXPECT_LE(held.height, 2 * frame.Height());
  EXPECT_EQ(viewer.GetPicture().GetWidth(), 16 * frame.Width());
  EXPECT_EQ(viewer.GetPicture().GetHimetricHeight(),
            CPicture::MulDiv(16 * frame.Height(), 2540, 96));
  ui::RecordingSurface big(96, ui::Size{800, 600}, false);
  d.Paint(kFrame, big);
  ASSERT_EQ(big.Ops(ui::DrawOp::Picture).size(), 1u);
  EXPECT_EQ(big.Ops(ui::DrawOp::Picture)[0].imageWidth, frame.Width());

  // A failed load clears the frame, quietly when asked.
  EXPECT_FALSE(viewer.ShowFile(test::TempPath("missing.jpg"), false));
  EXPECT_EQ(viewer.GetPath(), test::TempPath("missing.jpg"));
  ui::RecordingSurface after(96, ui::Size{800, 600}, false);
  d.Paint(kFrame, after);
  EXPECT_TRUE(after.Ops(ui::DrawOp::Picture).empty());
  EXPECT_TRUE(viewer.GetPicture().GetReportErrors());  // quiet only for that load
}

}  // namespace
