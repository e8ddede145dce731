#pragma once
// TFormPlan: the task wizard. It edits one task in place along the pages
// its action and event type choose: action, event type, start time, message
// text, extra options, then the task's name with its sticker (or the name
// alone). One window for the whole run, shown modally.

#include <array>

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
    kPBTop = 100, kLCaptBold, kLCapt, kBevelTop, kBevelBottom, kCBLock, kBPrev, kBNext,
    kPMain, kPPeriod, kPTime, kPMessage, kPAuto, kPStick, kPEndMessage,
    kRBStickerShow, kRBStickerHide, kRBStickerDelete, kRBHintShow, kRBShowMessage, kRBShowTray,
    kRBDatetime, kRBEveryHour, kDTT, kDTP, kCBEveryDay, kETextMess, kCBAutoClose, kCBAutoDelete, kEText,
    kCBStickers, kEEndMess,
    kLInfoMain, kLInfoPeriod, kLInfoTime, kLInfoMessage, kLInfoAuto, kLInfoStick, kLInfoEnd,
    kBNo = IDCANCEL,
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

  static const std::array<ControlRow, 40> kControls;
};
