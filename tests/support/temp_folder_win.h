#pragma once
// A fresh folder under the temporary folder, removed with everything in it
// when the test is done.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder path with a trailing backslash.
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + name; }

 private:
  std::wstring path_;
};

void RemoveTree(const std::wstring& folder);
void CopyTree(const std::wstring& from, const std::wstring& to);

std::vector<std::uint8_t> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, std::span<const std::uint8_t> bytes);
void WriteText(const std::wstring& path, const std::string& text);
std::string ReadText(const std::wstring& path);
