#pragma once
// How a sticker is named in lists and proposals: a calendar by its month and
// year, any other by the start of its text (cut at the first line break, with
// "..." when cut).

#include <string>

#include "lang/tmui.h"
#include "store/date_time.h"
#include "store/sticker_record.h"

// A calendar's month as of `today`.
std::wstring StickerTitle(const StickerRecord& record, const TMUI& texts, std::size_t length, const CivilTime& today);
// A calendar's month as of now.
std::wstring StickerTitle(const StickerRecord& record, const TMUI& texts, std::size_t length);

// What a sticker's window is called, for screen readers and window lists:
// its caption, or its title as above when the caption is blank.
std::wstring StickerWindowTitle(const StickerRecord& record, const TMUI& texts, const CivilTime& today);
