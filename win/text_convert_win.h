#pragma once
// Conversions at the boundary between the Unicode user interface and the
// stored formats, which keep their bytes in the system ANSI code page.

#include <string>
#include <string_view>

#include "text/ansi_boundary.h"

std::wstring WideFromAnsi(std::string_view ansi);
std::string AnsiFromWide(std::wstring_view wide);
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// The lead bytes of a code page (none for a single-byte one).
LeadBytes LeadBytesOfCodePage(unsigned codePage);
// Stored text is cut where the system ANSI code page has its character
// boundaries; once at start, before any text is stored.
void UseSystemAnsiCodePage();
