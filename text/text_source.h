#pragma once
// Where windows take their texts from: the table of the current language,
// addressed by position, and the news that it has changed. The kit's forms
// know it only through this, so the kit needs no language code.

#include <functional>
#include <string>

inline constexpr int kNoText = -1;

class TextSource {
 public:
  virtual const std::wstring& TextAt(int index) const = 0;
  // Calls `changed` after every change of language; returns the number that
  // stops it again.
  virtual int WatchTexts(std::function<void()> changed) = 0;
  virtual void StopWatching(int number) = 0;

 protected:
  ~TextSource() = default;
};
