#pragma once
// The texts of the Ok and Cancel buttons, for the kit's dialogs that are told
// them rather than looking them up.

#include "lang/text_id.h"

inline constexpr int kOkText = TextIndex(L"Setting", L"bOk");
inline constexpr int kCancelText = TextIndex(L"Setting", L"bNO");
