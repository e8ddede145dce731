#pragma once
// The icon list of both sticker editors: entry 0 stands for no icon, entries
// 1 to 34 are the built-in icons, then come the pictures of the picture packs
// with their numbers. Each entry keeps its picture for drawing the list.

#include <windows.h>

#include <string>
#include <vector>

#include "sticker/sticker_content_win.h"
#include "win/dib_picture_win.h"

class IconChoices {
 public:
  explicit IconChoices(const ContentSources& art);

  int Count() const { return static_cast<int>(entries_.size()); }
  // "_", " (48x48)" or "|205|| (32x32)".
  const std::wstring& Text(int position) const { return entries_[static_cast<std::size_t>(position)].text; }
  void Fill(HWND comboBox) const;
  void Draw(const DRAWITEMSTRUCT& item) const;

  static constexpr int kItemHeight = 34;

 private:
  struct Entry {
    std::wstring text;
    DibPicture32 picture;  // premultiplied, for drawing
  };
  std::vector<Entry> entries_;
};
