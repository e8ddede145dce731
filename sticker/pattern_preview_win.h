#pragma once
// The preview of a pattern in the pattern lists: a small sticker drawn by the
// same code as a sticker window, over the button face.

#include <string>
#include <string_view>

#include "sticker/sticker_content_win.h"
#include "win/dib_picture_win.h"

// The empty frame when the entry names no existing file ("||" included);
// otherwise a new sticker with the pattern and sampleText as its body,
// centred and, when larger than the picture, scaled down to fit.
void DrawPatternPreview(DibPicture24& picture, const std::wstring& programFolder, std::wstring_view entry,
                        const ContentSources& art, const std::wstring& sampleText);
