#include "win/error_box_win.h"

#include "win/handles_win.h"

namespace {

constexpr wchar_t kProgramTitle[] = L"Quillory";

std::wstring SystemReason(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  UniqueLocal owner(buffer);
  std::wstring reason(buffer ? buffer : L"", n);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) reason.pop_back();
  return reason;
}

}  // namespace

std::wstring FileErrorText(FileErrorKind kind, const std::wstring& path, DWORD error) {
  const wchar_t* verb = kind == FileErrorKind::kOpen ? L"open" : L"create";
  return std::wstring(L"Cannot ") + verb + L" file \"" + path + L"\". " + SystemReason(error);
}

void ShowFileError(FileErrorKind kind, const std::wstring& path, DWORD error) { ShowErrorText(FileErrorText(kind, path, error)); }

void ShowErrorText(const std::wstring& text) {
  MessageBoxW(nullptr, text.c_str(), kProgramTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void ShowNoticeText(const std::wstring& text) {
  MessageBoxW(nullptr, text.c_str(), kProgramTitle, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}
