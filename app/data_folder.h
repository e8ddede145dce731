#pragma once
// The rules that choose the data folder; the Win32 layer supplies the folders.

#include <string>
#include <string_view>

// The "portable" value of the program folder's config.txt switches to portable
// mode when, lower-cased, it is one of "true", "ok", "1", "yes" or "y".
bool IsPortableSwitch(std::wstring_view value);

// documents + "\Quillory\" with exactly one separator between them. An empty
// documents path gives "\Quillory\" (the root of the current drive).
std::wstring PerUserDataFolder(std::wstring_view documents);
