#pragma once
// TMUI: the texts the program currently shows, which language they are in,
// and the windows to tell when that changes. The main window owns the one
// instance; every other window reads its texts from there.

#include <string>
#include <string_view>

#include "lang/language_choice.h"
#include "lang/relabel_hooks.h"
#include "lang/text_id.h"
#include "store/profile.h"
#include "text/text_source.h"

class TMUI final : public TextSource {
 public:
  TMUI();  // built-in English; no window is told
  TMUI(const TMUI&) = delete;
  TMUI& operator=(const TMUI&) = delete;

  const std::wstring& Text(TextId id) const { return texts_[id.Index()]; }
  LanguageKind Kind() const { return kind_; }
  const TLanguage& Language() const { return language_; }
  RelabelHooks& Hooks() { return hooks_; }

  const std::wstring& TextAt(int index) const override { return texts_[static_cast<std::size_t>(index)]; }
  int WatchTexts(std::function<void()> changed) override {
    return hooks_.Register([changed = std::move(changed)](const TMUI&) { changed(); });
  }
  void StopWatching(int number) override { hooks_.Remove(number); }

  // Each apply ends by relabelling every registered window.
  void ApplyBuiltin(BuiltinLanguage language);
  // fileName is the language file's name without folder, kept for config.txt.
  void ApplyFile(const ProfileFile& file, std::wstring_view fileName);

 private:
  void SetBuiltin(BuiltinLanguage language);

  TextSet texts_;
  LanguageKind kind_ = LanguageKind::kEnglish;
  TLanguage language_;
  RelabelHooks hooks_;
};
