#pragma once
// TFormPlan: the task wizard. It edits one task in place along the pages
// its action and event type choose: action, event type, start time, message
// text, extra options, then the task's name with its sticker (or the name
// alone). One window for the whole run, shown modally.

#include <span>

#include "lang/tmui.h"
#include "manager/task_wizard.h"
#include "store/tmassiv.h"
#include "win/dialog_base_win.h"

class TFormPlan final : public DialogBase {
 public:
  // The store lends the stickers to choose from and the names in use.
  TFormPlan(TMUI& texts, const Tmassiv& store);

  [[nodiscard]] bool Create();
  // Opens for the task and waits; true, with the task changed, when the user
  // finished the wizard; the task is left alone otherwise.
  bool Edit(TaskRecord& task);

  enum : int {
    kTitleBand = 100, kTitleLabel, kSubtitleLabel, kTopRule, kBottomRule, kBlockCheck, kBackButton, kNextButton,
    kActionPane, kEventPane, kTimePane, kMessagePane, kOptionsPane, kStickerPane, kNamePane, kShowStickerRadio,
    kHideStickerRadio, kDeleteStickerRadio, kShowHintRadio, kShowMessageRadio, kTrayMessageRadio, kDateTimeRadio,
    kEveryHourRadio, kTimePicker, kDatePicker, kEveryDayCheck, kMessageEdit, kAutoCloseCheck, kAutoDeleteCheck,
    kTaskNameEdit, kStickerList, kOtherNameEdit, kActionInfoLabel, kEventInfoLabel, kTimeInfoLabel,
    kMessageInfoLabel, kOptionsInfoLabel, kStickerInfoLabel, kNameInfoLabel,
    kCancelButton = IDCANCEL,
  };

  void NextClick();
  void PrevClick();
  void ActionClick();
  void EventClick();
  void EveryDayClick();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  void Relabel() override;
  void OnDpiChanged() override { SetTitleFont(); }
  void SetTitleFont();

  void ShowPage(int page);
  void Open(const TaskRecord& task);
  void AllowChanges(bool allowed) const;
  WizardChoices Choices() const;
  void FillStickers(std::int32_t selectedId);
  std::wstring ProposedName() const;
  DateTime PickerValue(int id) const;
  void SetPicker(int id, DateTime value) const;

  const Tmassiv& store_;
  WizardRoute route_;
  int page_ = kPageAction;
  std::wstring taskName_;  // the edited task's, for the caption
  bool readOnly_ = false;  // a task of an unknown kind: shown, never written
  UniqueFont boldFont_;

  static std::span<const ControlRow> Controls();
};
