#pragma once
// The four stacking positions as the menus offer them, in their menu order,
// each with its caption.

#include <array>

#include "lang/text_id.h"
#include "store/sticker_record.h"

struct StackingChoice {
  int position;
  TextId text;
};

inline constexpr std::array<StackingChoice, 4> kStackingChoices = {{{kPositionTopmost, TextId{L"Setting", L"posUp"}},
                                                                    {kPositionNormal, TextId{L"Setting", L"posNormal"}},
                                                                    {kPositionBottom, TextId{L"Setting", L"posBack"}},
                                                                    {kPositionDesktop, TextId{L"Setting", L"posBottom"}}}};
