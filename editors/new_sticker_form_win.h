#pragma once
// TFormStickerMess: the form a new sticker is made with. It starts from the
// default settings (and the clipboard's text), hands back the record on Ok,
// and can keep its settings as the new defaults.

#include <functional>

#include "editors/sticker_editor_win.h"
#include "store/default_settings.h"

struct NewStickerFormArgs {
  StickerEditorArgs editor;
  // Writes default_settings.txt and makes the settings the program's defaults.
  std::function<void(const TDefaultSettings&)> saveDefaults;
};

class TFormStickerMess final : public StickerEditor {
 public:
  explicit TFormStickerMess(NewStickerFormArgs args);

  [[nodiscard]] bool Create();
  // Shows the form filled from the defaults and waits; true and the new
  // sticker's record in `record` when the user pressed Ok.
  bool Run(const TDefaultSettings& defaults, StickerRecord& record);
  // While the form shows, a new-sticker command only brings it to the front.
  void BringToFront() const;

  void BOKClick();
  void BSaveDefaultClick();
  static constexpr int kOkButton = IDOK, kCancelButton = IDCANCEL;

 private:
  void Relabel() override;
  void ShowDefaults(const TDefaultSettings& d);
  void FillPositions();
  void SetPanels(const TDefaultSettings& d);
  StickerRecord BuildRecord() const;
  TDefaultSettings BuildDefaults() const;

  std::function<void(const TDefaultSettings&)> saveDefaults_;
  StickerRecord record_{};
  static std::span<const ControlRow> Controls();
};
