#pragma once
// Reading a shortcut file back through the shell, as a check of what the
// program wrote.

#include <string>

struct ShellLinkFields {
  std::wstring path, arguments, workingFolder;
};

// All empty when the shell cannot read the file.
ShellLinkFields ReadShellLink(const std::wstring& file);

// Writes a shortcut as another program would; false when the shell refuses.
bool WriteShellLink(const std::wstring& file, const ShellLinkFields& fields);
