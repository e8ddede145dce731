#include "app/scheduler_actions_win.h"

#include "lang/text_id.h"
#include "win/text_convert_win.h"

namespace {
constexpr wchar_t kBalloonTitle[] = L"Quillory";
constexpr DWORD kNoBalloonIcon = 0;
}  // namespace

void ProgramSchedulerActions::ShowSticker(std::int32_t id) { a_.stickers->Show(id); }
void ProgramSchedulerActions::HideSticker(std::int32_t id) { a_.stickers->Hide(id); }
void ProgramSchedulerActions::DeleteSticker(std::int32_t id) { a_.stickers->Delete(id); }

void ProgramSchedulerActions::ShowBalloon(std::string_view text) {
  a_.tray->ShowBalloon(kBalloonTitle, WideFromAnsi(text), kNoBalloonIcon);
}

// Titled as the scheduler's, so that the user knows where it comes from.
void ProgramSchedulerActions::ShowMessage(std::string_view text) {
  a_.messages->Message(a_.texts->Text({L"Plan", L"caption"}), WideFromAnsi(text));
}

void ProgramSchedulerActions::SaveTasks() { a_.saveTasks(); }
