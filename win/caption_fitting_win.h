#pragma once
// TMyCheckBox and TMyRadioButton: the system's check box and radio button
// (the style comes from the dialog's table) that take the size of their
// caption whenever it changes, so a longer translation is never cut off.
// Left and top stay; the same caption again leaves the size alone, a new
// font fits it again.

#include <windows.h>

inline constexpr wchar_t kCheckBoxClass[] = L"TMyCheckBox";
inline constexpr wchar_t kRadioButtonClass[] = L"TMyRadioButton";

void RegisterCaptionFittingClasses();
