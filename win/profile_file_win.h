#pragma once
// A profile file on disk, read and written through the system's profile
// functions (case-insensitive sections and keys, each write goes to the file).

#include <string>

#include "win/profile.h"

class IniFile final : public ProfileFile {
 public:
  explicit IniFile(std::wstring path) : path_(std::move(path)) {}

  std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const override;
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

  const std::wstring& Path() const { return path_; }
  // True once any write could not reach the file (a missing folder, no
  // permission, a full disk).
  [[nodiscard]] bool WriteFailed() const { return writeFailed_; }

 private:
  std::wstring path_;
  bool writeFailed_ = false;
};
