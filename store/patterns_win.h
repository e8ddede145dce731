#pragma once
// The pattern files in the "patterns\" folder beside the program: listing,
// loading, saving under a free name, deleting.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/pattern_file.h"
#include "win/error_box_win.h"

// Every ".ptr" file (extension in any case) in listing order, each as
// name + "||" + file name. folderExists tells whether there is a folder at all.
std::vector<std::wstring> ListPatternEntries(const std::wstring& programFolder, bool& folderExists);

// A new sticker's record with the entry's pattern on it; without the file
// (or for "||") the record of a new sticker.
StickerRecord PatternRecord(const std::wstring& programFolder, std::wstring_view entry, Colour randomColour);

// Who hears that a pattern could not be written: the error box, or a test.
using ErrorReport = std::function<void(const std::wstring& text)>;

// Writes the record's look under the first free file name for `now`. A
// missing folder is not created: that, like a file that cannot be written,
// is reported with the standard "Cannot create file" text and gives false.
bool SavePattern(const std::wstring& programFolder, const std::wstring& name, const StickerRecord& record, DateTime now,
                 const ErrorReport& report = ShowErrorText);

// Removes the entry's file, read-only or not; a missing file is no error.
void DeletePattern(const std::wstring& programFolder, std::wstring_view entry);
