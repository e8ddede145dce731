#pragma once
// Language files on disk, read through the system's profile functions: the
// file's bytes are in the system ANSI code page and become Unicode on reading.

#include <string>

#include "lang/language_file.h"
#include "lang/tmui.h"

// Applies the language file at path; a missing or unreadable file gives the
// defaults everywhere.
void ApplyLanguageFile(TMUI& mui, const std::wstring& path);

LanguageFileHeader ReadLanguageFileHeader(const std::wstring& path);
