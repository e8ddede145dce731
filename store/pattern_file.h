#pragma once
// Patterns: a sticker's look saved under a name, one INI file (".ptr") per
// pattern in the "patterns\" folder beside the program. The key names are a
// file format. A pattern list shows each as its name + "||" + its file name;
// "||" alone stands for no pattern.

#include <string>
#include <string_view>

#include "store/date_time.h"
#include "store/sticker_record.h"
#include "store/profile.h"

// The record keeps font names in the system's ANSI code page, the profile
// file in wide characters; the Win32 layer lends the conversions.
using AnsiFromWideFunction = std::string (*)(std::wstring_view);
using WideFromAnsiFunction = std::wstring (*)(std::string_view);

// [Info] name, or "unknown pattern".
std::wstring PatternName(const ProfileFile& file);

// Colours, shadow and font go to caption, date line and body alike; the size
// to the body only; alignment, text style and the window keys to the record.
// Fields the pattern does not hold stay as they are.
void LoadPattern(const ProfileFile& file, StickerRecord& record, AnsiFromWideFunction toAnsi);

// The text settings are taken from the body. date is the time of saving as
// PatternDateText gives it; it is kept for people reading the file, never read.
void WritePattern(ProfileFile& file, std::wstring_view name, std::wstring_view date, const StickerRecord& record,
                  WideFromAnsiFunction toWide);

// "dd.mm.yyyy hh:nn".
std::wstring PatternDateText(DateTime time);

// "ddmmyy_hhnnss.ptr" for the first attempt, then "ddmmyy_hhnnss_2.ptr",
// "..._3.ptr": patterns saved within one second each get their own file.
std::wstring PatternFileName(DateTime now, int attempt);

struct PatternEntry {
  std::wstring name, file;
  bool operator==(const PatternEntry&) const = default;
};

// Split at the first "||"; an entry without one is all name and no file.
PatternEntry SplitPatternEntry(std::wstring_view entry);
std::wstring PatternEntryText(std::wstring_view name, std::wstring_view file);

// The folder of the patterns, and the path of an entry's file in it. Folder
// parts, "." and ".." are dropped from the file name, so that an entry never
// names a file outside the folder; empty when the entry names no file.
std::wstring PatternsFolder(std::wstring_view programFolder);
std::wstring PatternFilePath(std::wstring_view programFolder, std::wstring_view entry);
