#pragma once
// The standard error boxes for files that cannot be opened or created.

#include <windows.h>

#include <string>

enum class FileErrorKind { kOpen, kCreate };

// "Cannot open file "<path>". <reason>" or "Cannot create file ...".
std::wstring FileErrorText(FileErrorKind kind, const std::wstring& path, DWORD error);
void ShowFileError(FileErrorKind kind, const std::wstring& path, DWORD error);
// The same box with any other error text.
void ShowErrorText(const std::wstring& text);
// A box that tells the user why nothing happened; no error.
void ShowNoticeText(const std::wstring& text);
