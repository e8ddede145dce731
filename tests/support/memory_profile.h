#pragma once
// A profile file held in memory. Section and key names are kept as written,
// so tests see the exact spelling a reader asks for or a writer uses.

#include <map>
#include <string>
#include <utility>

#include "store/profile.h"

struct MemoryProfile final : ProfileFile {
  std::map<std::pair<std::wstring, std::wstring>, std::wstring> values;

  std::wstring ReadString(std::wstring_view s, std::wstring_view k, std::wstring_view fallback) const override {
    const auto it = values.find({std::wstring(s), std::wstring(k)});
    return it == values.end() ? std::wstring(fallback) : it->second;
  }
  void WriteString(std::wstring_view s, std::wstring_view k, std::wstring_view v) override {
    values[{std::wstring(s), std::wstring(k)}] = std::wstring(v);
  }
};
