#pragma once
// The title of a calendar sticker in the current language: the month's name,
// a blank and the year ("March 2025"). The tray's sticker list, the manager
// and the shortcut name proposal show it instead of the notation.

#include <string>

#include "lang/tmui.h"
#include "sticker/calendar_notation.h"

std::wstring CalendarTitle(const CalendarMonth& month, const TMUI& texts);
