#pragma once
// How a sticker is named in lists and proposals: a calendar by its month and
// year, any other by the start of its text (cut at the first line break, with
// "..." when cut).

#include <string>

#include "lang/tmui.h"
#include "store/sticker_record.h"

std::wstring StickerTitle(const StickerRecord& record, const TMUI& texts, std::size_t length);
