// The About card without its window: what the pointer and a press hit, the
// close button's looks, and the browser named in the system's open command.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "manager/about_card.h"

namespace {

TEST(AboutCardAreas, EveryEdgeIsOutsideAndTheFirstPixelInIsInside) {
  using enum CardSpot;
  struct Case {
    int x, y;
    CardSpot spot;
  };
  const Case cases[] = {
      // Web address 91 < x < 243, 126 < y < 134.
      {91, 130, kNothing}, {92, 130, kWebLink}, {242, 130, kWebLink}, {243, 130, kNothing},
      {150, 126, kNothing}, {150, 127, kWebLink}, {150, 133, kWebLink}, {150, 134, kNothing},
      // Mail address 77 < x < 184, 138 < y < 147.
      {77, 142, kNothing}, {78, 142, kMailLink}, {183, 142, kMailLink}, {184, 142, kNothing},
      {100, 138, kNothing}, {100, 139, kMailLink}, {100, 146, kMailLink}, {100, 147, kNothing},
      // Close button, 59 x 34 at (262, 6).
      {262, 20, kNothing}, {263, 20, kCloseButton}, {320, 20, kCloseButton}, {321, 20, kNothing},
      {290, 6, kNothing}, {290, 7, kCloseButton}, {290, 39, kCloseButton}, {290, 40, kNothing},
      // Between the lines, left of the web line, right of the mail line.
      {150, 135, kNothing}, {80, 130, kNothing}, {200, 142, kNothing}};
  for (const Case& c : cases) EXPECT_EQ(SpotAt(c.x, c.y), c.spot) << c.x << ", " << c.y;
}

TEST(AboutCardAreas, EachPressHasItsActionButTheRightButtonNone) {
  using enum PressAction;
  struct Case {
    int x, y;
    PressAction action;
  };
  for (const Case c : {Case{150, 130, kOpenWeb}, Case{100, 142, kOpenMail}, Case{290, 20, kPressCloseButton},
                       Case{91, 130, kDrag}, Case{262, 20, kDrag}, Case{20, 200, kDrag}}) {
    EXPECT_EQ(ActionOfPress(c.x, c.y, false), c.action) << c.x << ", " << c.y;
    EXPECT_EQ(ActionOfPress(c.x, c.y, true), kNone) << c.x << ", " << c.y;
  }
}

// Pointer events on the close button, each with the look it asks for (none:
// the button keeps its look) and whether it completes a click.
enum class Event { kOn, kOff, kPress, kReleaseOn, kReleaseOff };
struct Step {
  Event event;
  std::optional<ButtonLook> look;
  bool clicked = false;
};

TEST(AboutCloseButton, LooksFollowThePointerAndAClickNeedsPressAndReleaseOnIt) {
  using enum ButtonLook;
  const std::vector<std::vector<Step>> sequences = {
      {{Event::kOn, kOver}, {Event::kOn, std::nullopt}, {Event::kOff, kNormal}, {Event::kOff, std::nullopt}},
      {{Event::kOn, kOver}, {Event::kPress, kPressed}, {Event::kReleaseOn, kOver, true}},
      // Held down, the button stays pressed off it; released there, no click.
      {{Event::kOn, kOver}, {Event::kPress, kPressed}, {Event::kOff, std::nullopt}, {Event::kReleaseOff, kNormal}},
      {{Event::kOn, kOver}, {Event::kPress, kPressed}, {Event::kOff, std::nullopt}, {Event::kOn, kOver},
       {Event::kReleaseOn, kOver, true}},
      {{Event::kOn, kOver}, {Event::kReleaseOn, kOver, false}},  // a release without a press
  };
  for (std::size_t s = 0; s < sequences.size(); ++s) {
    CloseButtonTracker button;
    for (std::size_t i = 0; i < sequences[s].size(); ++i) {
      const Step& step = sequences[s][i];
      std::optional<ButtonLook> look;
      bool clicked = false;
      if (step.event == Event::kOn || step.event == Event::kOff) {
        look = button.PointerAt(step.event == Event::kOn);
      } else if (step.event == Event::kPress) {
        look = button.Press();
      } else {
        const CloseButtonTracker::ReleaseResult result = button.Release(step.event == Event::kReleaseOn);
        look = result.look;
        clicked = result.clicked;
      }
      EXPECT_EQ(look, step.look) << "sequence " << s << ", step " << i;
      EXPECT_EQ(clicked, step.clicked) << "sequence " << s << ", step " << i;
    }
  }
}

TEST(AboutLinks, TheBrowserIsTheFirstQuotedText) {
  struct Case {
    const wchar_t* command;
    const wchar_t* browser;
  };
  const Case cases[] = {{LR"("C:\windows\system32\winebrowser.exe" "%1")", LR"(C:\windows\system32\winebrowser.exe)"},
                        {LR"("C:\Program Files\Browse\browse.exe" -nohome)", LR"(C:\Program Files\Browse\browse.exe)"},
                        {LR"(x "a" "b")", L"a"},
                        {LR"(C:\browse.exe %1)", L""},
                        {LR"("C:\unterminated.exe)", L""},
                        {LR"("")", L""},
                        {L"", L""}};
  for (const Case& c : cases)
    EXPECT_EQ(BrowserPathOf(c.command), c.browser) << c.command;
}

}  // namespace
