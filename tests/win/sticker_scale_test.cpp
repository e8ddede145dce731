// A sticker window at another display scale, in this process: it is drawn
// anew when the system tells it of a new scale (WM_DPICHANGED, which Wine
// never sends by itself), its pin, buttons and collapse zone are where the
// picture of that scale shows them, and what it reports to the program is
// in the units the files keep.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "sticker/stick_form_win.h"
#include "sticker/sticker_geometry.h"
#include "support/sticker_drawing_win.h"

namespace {

constexpr DisplayScale kAt150{144};

// The program's side, noting what the window asks of it.
class NotedHost final : public StickerHost {
 public:
  std::optional<StickerRecord> StoredRecord(std::int32_t) const override { return std::nullopt; }
  void SetBounds(std::int32_t, int left, int top, int width, int height) override {
    bounds = {left, top, width, height};
  }
  void SetStackingPosition(std::int32_t, int position) override { positions.push_back(position); }
  void SetExpanded(std::int32_t, bool expanded) override { expandedFlags.push_back(expanded); }
  void SetFloating(std::int32_t, bool) override {}
  void Hide(std::int32_t) override { ++hidden; }
  void Delete(std::int32_t) override {}
  void Duplicate(std::int32_t) override { ++duplicated; }
  void ApplyStickerSettings(std::int32_t, const StickerRecord&) override {}
  void NoteDelivered(std::int32_t, const StickerRecord&, const StickerRecord&) override {}
  bool CanUndo(std::int32_t) const override { return false; }
  void Undo(std::int32_t) override {}
  void OpenSettings(std::int32_t) override { ++settingsOpened; }
  void CreateShortcut(std::int32_t) override {}

  StoredBounds bounds;
  std::vector<int> positions;
  std::vector<bool> expandedFlags;
  int hidden = 0, duplicated = 0, settingsOpened = 0;
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class StickerScale : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuiltArtwork::Get().Loaded());
    record = NoteRecord(kStylePanel, "Milk and bread\r\nCall Anna at five", "Errands", "12.03.24");
    record.id = 7;
    record.left = 120;
    record.top = 90;
    record.position = kPositionNormal;
    record.popup_buttons = 1;
    record.lock_move = 1;  // a press then never starts the system's move loop
    form = std::make_unique<TStickForm>(host, BuiltArtwork::Get().Sources(), texts, glyphs, nullptr,
                                        [](TStickForm*) {});
    ASSERT_TRUE(form->Open(record));
    form->ShowAt(record.left, record.top);
  }
  void TearDown() override {
    if (form && form->Handle()) DestroyWindow(form->Handle());
  }
  // Tells the window that it now stands on a monitor at 150 %.
  RECT MoveTo150(POINT at) {
    const RECT suggested{at.x, at.y, at.x + kAt150.Px(form->PictureWidth()), at.y + kAt150.Px(form->PictureHeight())};
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
  }
  RECT WindowRect() const {
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    return r;
  }

  NotedHost host;
  TMUI texts;
  MenuGlyphs glyphs;
  StickerRecord record{};
  std::unique_ptr<TStickForm> form;
};

TEST_F(StickerScale, ANewScaleRedrawsTheStickerInTheSuggestedPlace) {
  const DrawnSticker at100 = DrawSticker(record);
  const DrawnSticker at150 = DrawSticker(record, nullptr, kAt150);
  ASSERT_EQ(form->PictureWidth(), at100.composite.Width());
  ASSERT_EQ(form->PictureHeight(), at100.composite.Height());
  EXPECT_GT(at150.composite.Height(), at100.composite.Height() * 4 / 3) << "the text grows by half";

  const RECT suggested = MoveTo150({300, 200});
  EXPECT_EQ(form->Scale(), kAt150);
  EXPECT_EQ(form->PictureWidth(), at150.composite.Width()) << "the picture of a sticker drawn at 150 %";
  EXPECT_EQ(form->PictureHeight(), at150.composite.Height());
  const RECT window = WindowRect();
  EXPECT_EQ(window.left, suggested.left);
  EXPECT_EQ(window.top, suggested.top);
  EXPECT_EQ(window.right - window.left, form->PictureWidth()) << "the size follows the picture";
  EXPECT_EQ(window.bottom - window.top, form->PictureHeight());

  // Back on a monitor at 100 %, it is as it was.
  const RECT back{40, 50, 40 + at100.composite.Width(), 50 + at100.composite.Height()};
  SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
  EXPECT_EQ(form->PictureWidth(), at100.composite.Width());
  EXPECT_EQ(form->PictureHeight(), at100.composite.Height());
}

// A change of scales the system reports (WM_SETTINGCHANGE, WM_DISPLAYCHANGE)
// has each window ask for its own: this one, told of 150 % by a message the
// system did not send, learns it is at 100 % after all and is drawn so.
TEST_F(StickerScale, FollowingTheSystemsScaleDrawsAtTheWindowsOwn) {
  const DrawnSticker at100 = DrawSticker(record);
  MoveTo150({300, 200});
  ASSERT_NE(form->PictureHeight(), at100.composite.Height());
  form->FollowScale();
  EXPECT_EQ(form->Scale(), DisplayScale());
  EXPECT_EQ(form->PictureWidth(), at100.composite.Width());
  EXPECT_EQ(form->PictureHeight(), at100.composite.Height());
  const RECT window = WindowRect();
  EXPECT_EQ(window.bottom - window.top, at100.composite.Height());
}

// This process runs at 100 %, so places stay as they are while the size
// is told at 100 % of a monitor at 150 %.
TEST_F(StickerScale, TheProgramIsToldPlacesAndSizesInStoredUnits) {
  MoveTo150({300, 210});
  SendMessageW(form->Handle(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(host.bounds.left, 300);
  EXPECT_EQ(host.bounds.top, 210);
  EXPECT_EQ(host.bounds.width, kAt150.Unscaled(form->PictureWidth()));
  EXPECT_EQ(host.bounds.height, kAt150.Unscaled(form->PictureHeight()));
}

TEST_F(StickerScale, PinButtonsAndCollapseZoneAreWhereTheyAreDrawnAt150) {
  MoveTo150({300, 200});
  const int w = form->PictureWidth(), h = form->PictureHeight();
  const Rect pin = PinHitArea(kStylePanel, w, 0, kAt150);
  const Rect pinAt100 = PinHitArea(kStylePanel, w, 0);
  // A press inside the 150 % pin but outside where 100 % would put it.
  const int pinX = pin.left + 1, pinY = pin.bottom - 2;
  ASSERT_FALSE(pinAt100.StrictlyContains(pinX, pinY));
  host.positions.clear();
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(pinX, pinY));
  ASSERT_EQ(host.positions.size(), 1u);
  EXPECT_EQ(host.positions.front(), kPositionTopmost);

  SendMessageW(form->Handle(), WM_SETFOCUS, 0, 0);  // the buttons answer only while focused
  const Rect edit = PopupButtonArea(kButtonEdit, kStylePanel, true, w, h, kAt150);
  const POINT corner{edit.left + 2, edit.top + 2};
  ASSERT_EQ(HitPopupButton(corner.x, corner.y, kStylePanel, true, w, h), kButtonNone) << "a corner 100 % would miss";
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(corner.x, corner.y));
  EXPECT_EQ(host.settingsOpened, 1);
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, At(corner.x, corner.y));

  // A double click 25 pixels down lies in the collapse zone at 150 % (31
  // rows), not at 100 % (20 rows).
  SendMessageW(form->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(w / 2, 25));
  ASSERT_EQ(host.expandedFlags.size(), 1u);
  EXPECT_FALSE(host.expandedFlags.front());
}

}  // namespace
