#pragma once
// The program folder and the data folder of this run.

#include <optional>
#include <string>

// Folder of the program file, ending in a backslash.
std::wstring ProgramFolder();
std::wstring ProgramPath();

// The user's documents folder, when the shell can tell it.
std::optional<std::wstring> DocumentsFolder();

// The program folder when its config.txt switches to portable mode, otherwise
// the documents folder + "\Quillory\" (or "\Quillory\" when there is none).
std::wstring ChooseDataFolder(const std::wstring& programFolder, const std::optional<std::wstring>& documents);

// Creates the folder (one level) when it does not exist; failures are silent,
// later reads then find no files.
void EnsureFolderExists(const std::wstring& folder);
