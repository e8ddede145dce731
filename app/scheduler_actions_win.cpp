#include "app/scheduler_actions_win.h"

#include "win/text_convert_win.h"

namespace {
constexpr wchar_t kBalloonTitle[] = L"Quillory";
constexpr DWORD kNoBalloonIcon = 0;
}  // namespace

void ProgramSchedulerActions::ShowSticker(std::int32_t id) { a_.stickers->Show(id); }
void ProgramSchedulerActions::HideSticker(std::int32_t id) { a_.stickers->Hide(id); }
void ProgramSchedulerActions::DeleteSticker(std::int32_t id) { a_.stickers->Delete(id); }

// The shell shows the balloon; nothing here waits for any dialog of the
// program, so a balloon comes while a question is open, as a reminder does.
void ProgramSchedulerActions::ShowBalloon(std::string_view text) {
  a_.tray->ShowBalloon(kBalloonTitle, WideFromAnsi(text), kNoBalloonIcon);
}

bool ProgramSchedulerActions::ShowMessage(std::string_view text) { return a_.reminders->Show(WideFromAnsi(text)); }

void ProgramSchedulerActions::SaveTasks() { a_.saveTasks(); }
