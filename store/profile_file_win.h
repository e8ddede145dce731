#pragma once
// A profile file on disk, read and written through the system's profile
// functions (case-insensitive sections and keys, each write goes to the file).

#include <string>

#include "store/profile.h"

class IniFile final : public ProfileFile {
 public:
  explicit IniFile(std::wstring path) : path_(std::move(path)) {}

  std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const override;
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

  const std::wstring& Path() const { return path_; }
  // True once any write could not reach the file (a missing folder, no
  // permission, a full disk); WriteError is the system's reason for the
  // first such write. A save that writes many keys reports once, after all.
  [[nodiscard]] bool WriteFailed() const { return writeError_ != 0; }
  unsigned long WriteError() const { return writeError_; }

 private:
  std::wstring path_;
  unsigned long writeError_ = 0;
};

// Shows the standard "Cannot create file" box when a write of the file failed;
// returns whether all went well.
bool ReportWriteFailure(const IniFile& file);
