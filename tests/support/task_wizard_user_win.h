#pragma once
// A user going through the task wizard from another thread while the test's
// thread waits in it: which page shows, and Next or Back with a wait for
// where the click leads. Header only.

#include <windows.h>

#include "manager/task_wizard_form_win.h"
#include "support/modal_user_win.h"
#include "support/window_search_win.h"

inline constexpr int kWizardPanels[kWizardPageCount] = {
    TFormPlan::kActionPane, TFormPlan::kEventPane, TFormPlan::kTimePane,
    TFormPlan::kMessagePane, TFormPlan::kOptionsPane, TFormPlan::kStickerPane, TFormPlan::kNamePane};

// The page the user sees; -1 while none, or more than one, shows.
inline int ShownWizardPage(HWND wizard) {
  int shown = -1;
  for (int page = 0; page < kWizardPageCount; ++page) {
    if (!IsWindowVisible(ControlById(wizard, kWizardPanels[page]))) continue;
    if (shown >= 0) return -1;
    shown = page;
  }
  return shown;
}

// Clicks Next or Back and waits until another page shows, or the wizard has
// closed; the wizard has then finished with the click. False on time-out.
inline bool ClickForPage(HWND wizard, int button) {
  const int before = ShownWizardPage(wizard);
  ClickButton(ControlById(wizard, button));
  const auto moved = [&] {
    const int page = ShownWizardPage(wizard);
    return !IsWindowVisible(wizard) || (page >= 0 && page != before);
  };
  return Eventually(moved) && (!IsWindowVisible(wizard) || Answers(wizard));
}

// Next on every page until the wizard closes, as a user who takes what it
// proposes; false when it does not.
inline bool FinishWizard(HWND wizard) {
  for (int click = 0; click < kWizardPageCount && IsWindowVisible(wizard); ++click)
    if (!ClickForPage(wizard, TFormPlan::kNextButton)) return false;
  return !IsWindowVisible(wizard);
}
