// The editors' icon list: each entry named by its picture's size at 100 %,
// and drawn with pictures made for the list's scale, not stretched.

#include <gtest/gtest.h>

#include <windows.h>

#include "editors/icon_choices_win.h"
#include "support/sticker_artwork_win.h"
#include "support/sticker_drawing_win.h"

namespace {

constexpr Pixel32 kRed{0, 0, 255, 255};
constexpr int kFirstUserEntry = 35;

// The pixels of the user's red icon in the entry drawn at that scale.
int RedPixelsDrawn(const IconChoices& icons, int entry, const DisplayScale& scale) {
  DibPicture32 row(scale.Px(400), scale.Px(IconChoices::kItemHeight));
  {
    const DibDrawingContext dc(row.Bitmap());
    DRAWITEMSTRUCT item{ODT_COMBOBOX, 1, static_cast<UINT>(entry), ODA_DRAWENTIRE, 0, nullptr, dc.Get(),
                        {0, 0, row.Width(), row.Height()}, 0};
    icons.Draw(item, scale);
    GdiFlush();
  }
  int red = 0;
  for (int y = 0; y < row.Height(); ++y)
    for (int x = 0; x < row.Width(); ++x) {
      const Pixel32 p = row.View().At(x, y);
      red += p.r > 200 && p.g < 60 && p.b < 60;
    }
  return red;
}

TEST(IconChoicesList, EntriesAreNamedAt100AndDrawnForTheListsScale) {
  ASSERT_TRUE(BuiltArtwork::Get().Loaded());
  TATBitmap userIcons;
  userIcons.Add(SolidIcon(24, 24, kRed), 205);
  const IconChoices icons(BuiltArtwork::Get().Sources(&userIcons));
  ASSERT_EQ(icons.Count(), kFirstUserEntry + 1);
  EXPECT_EQ(icons.Text(0), L"_");
  EXPECT_EQ(icons.Text(kFirstUserEntry), L"|205|| (24x24)");
  EXPECT_EQ(RedPixelsDrawn(icons, kFirstUserEntry, DisplayScale()), 24 * 24);
  EXPECT_EQ(RedPixelsDrawn(icons, kFirstUserEntry, DisplayScale(192)), 48 * 48);
  EXPECT_EQ(icons.Text(kFirstUserEntry), L"|205|| (24x24)") << "the name stays the size at 100 %";
}

}  // namespace
