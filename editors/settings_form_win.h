#pragma once
// TSettingsForm: the settings dialog of one sticker. It edits a private copy
// of the sticker's record; Ok and Apply hand the record built from the
// controls to the program, Cancel leaves the sticker as the last Apply made
// it. Four tabs: text, appearance, position and patterns.

#include <functional>

#include "editors/sticker_editor_win.h"
#include "win/form_dialog_win.h"

struct SettingsFormArgs {
  StickerEditorArgs editor;
  std::wstring configPath;  // config.txt, for the remembered pattern
  TFormDialog* prompt;      // not owned: asks for pattern names
  std::function<void(std::int32_t id, const StickerRecord& edited)> apply;
};

class TSettingsForm final : public StickerEditor {
 public:
  explicit TSettingsForm(SettingsFormArgs args);

  [[nodiscard]] bool Create();
  // Opens for the sticker and waits until the dialog closes; while it shows,
  // a second call only brings it to the front.
  void Open(std::int32_t id, const StickerRecord& record);

  void OkClick();
  void BPRIMClick();
  void BsavePatternClick();
  void BdelPatternClick();

 private:
  void Relabel() override;
  void OnCancel() override;
  void ShowControls(const StickerRecord& record);
  StickerRecord BuildRecord() const;
  StickerRecord PatternSource() const;
  void Close(bool apply);

  std::wstring configPath_;
  TFormDialog* prompt_;  // not owned
  std::function<void(std::int32_t, const StickerRecord&)> apply_;
  std::int32_t stickerId_ = 0;
  StickerRecord record_{};
  std::wstring rememberedPattern_;
  std::wstring patternName_;  // the name a pattern was last saved under
  static std::span<const ControlRow> Controls();
};
