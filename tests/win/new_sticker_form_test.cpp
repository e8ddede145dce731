// The new-sticker form laid out at a display scale: every control of every
// tab inside the form with its text fitting, in both built-in languages, at
// its scale and after a move to one and a half times it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editors/icon_choices_win.h"
#include "editors/new_sticker_form_win.h"
#include "lang/tmui.h"
#include "support/blank_glyphs.h"
#include "support/dialog_fit_win.h"
#include "support/sticker_artwork_win.h"
#include "support/temp_folder_win.h"

namespace {

class NewStickerFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuiltArtwork::Get().Loaded());
    const ContentSources art = BuiltArtwork::Get().Sources();
    icons = std::make_unique<IconChoices>(art);
    form = std::make_unique<TFormStickerMess>(
        NewStickerFormArgs{{&texts, program.Path(), art, icons.get(), &glyphs}, [](const TDefaultSettings&) {}});
    ASSERT_TRUE(form->Create());
  }

  TempFolder program;
  TMUI texts;
  MenuGlyphs glyphs{BlankGlyphStrip, 0};
  std::unique_ptr<IconChoices> icons;
  std::unique_ptr<TFormStickerMess> form;
};

TEST_F(NewStickerFormTest, EveryControlFitsInBothLanguagesAtItsScaleAndAtOneAndAHalfTimesIt) {
  for (const BuiltinLanguage language : {BuiltinLanguage::kEnglish, BuiltinLanguage::kRussian}) {
    texts.ApplyBuiltin(language);
    EXPECT_EQ(ControlsThatDoNotFit(form->Handle()), std::vector<std::wstring>{});
  }
  MoveToDpi(form->Handle(), form->Dpi(), form->Dpi() * 3 / 2);
  for (const BuiltinLanguage language : {BuiltinLanguage::kEnglish, BuiltinLanguage::kRussian}) {
    texts.ApplyBuiltin(language);
    EXPECT_EQ(ControlsThatDoNotFit(form->Handle()), std::vector<std::wstring>{});
  }
}

}  // namespace
