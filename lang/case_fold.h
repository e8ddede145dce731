#pragma once
// Comparing texts without regard to case in the scripts our users write:
// Latin (with its Western and Central European letters), Greek and
// Cyrillic. The same on every system, whatever its locale.

#include <string>
#include <string_view>

// The small letter of a capital; every other character as it is.
wchar_t FoldCase(wchar_t c);
std::wstring FoldCase(std::wstring_view text);
// Whether `text` contains `part` when case is ignored; an empty part is in
// every text.
bool ContainsIgnoringCase(std::wstring_view text, std::wstring_view part);
