// DIB-section pictures: GDI and the pixel routines share one memory.

#include <gtest/gtest.h>

#include "win/dib_picture_win.h"
#include "pixels/pixel_routines.h"

namespace {

TEST(DibPicture, GdiDrawsWhereTheRoutinesLookRowsTopFirst) {
  DibPicture32 picture(8, 4);
  ASSERT_NE(picture.Bitmap(), nullptr);
  EXPECT_EQ(picture.View().At(7, 3), (Pixel32{0, 0, 0, 0}));
  {
    DibDrawingContext dc(picture.Bitmap());
    UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT box{2, 1, 5, 3};
    FillRect(dc.Get(), &box, red.Get());
    GdiFlush();
  }
  EXPECT_EQ(picture.View().At(2, 1), (Pixel32{0, 0, 255, 0}));
  EXPECT_EQ(picture.View().At(4, 2), (Pixel32{0, 0, 255, 0}));
  EXPECT_EQ(picture.View().At(5, 2), (Pixel32{0, 0, 0, 0}));
  EXPECT_EQ(picture.View().At(2, 0), (Pixel32{0, 0, 0, 0}));
  Tint(picture.View(), 0xFFFFFF);
  EXPECT_EQ(picture.View().At(3, 1).r, 255);
}

TEST(DibPicture, TwentyFourBitRowsArePaddedAndTextCanBeMeasured) {
  DibPicture24 picture(5, 3);
  EXPECT_EQ(picture.View().stride, 16);
  DibPicture24 canvas(120, 40);
  {
    DibDrawingContext dc(canvas.Bitmap());
    UniqueBrush white(CreateSolidBrush(RGB(255, 255, 255)));
    const RECT all{0, 0, 120, 40};
    FillRect(dc.Get(), &all, white.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    TextOutW(dc.Get(), 10, 12, L"Note", 4);
    GdiFlush();
  }
  const InkBox box = FindInkBox(canvas.View());
  EXPECT_GE(box.top, 10);
  EXPECT_LT(box.bottom, 40);
  EXPECT_GT(box.right, 20);
  EXPECT_LT(box.right, 110);
  EXPECT_TRUE(DibPicture32(0, 5).View().Empty());
}

}  // namespace
