#include "lang/tmui.h"

#include "lang/language_file.h"

TMUI::TMUI() { SetBuiltin(BuiltinLanguage::kEnglish); }

void TMUI::ApplyBuiltin(BuiltinLanguage language) {
  SetBuiltin(language);
  hooks_.RelabelAll(*this);
}

void TMUI::ApplyFile(const ProfileFile& file, std::wstring_view fileName) {
  texts_ = ReadLanguageTexts(file);
  kind_ = LanguageKind::kFile;
  language_ = {.english = false, .russian = false, .otherLanguage = std::wstring(fileName)};
  hooks_.RelabelAll(*this);
}

void TMUI::SetBuiltin(BuiltinLanguage language) {
  const bool russian = language == BuiltinLanguage::kRussian;
  for (std::size_t i = 0; i < kTextCount; ++i)
    texts_[i] = russian ? kTextTable[i].russian : kTextTable[i].english;
  kind_ = russian ? LanguageKind::kRussian : LanguageKind::kEnglish;
  language_ = {.english = !russian, .russian = russian, .otherLanguage = {}};
}
