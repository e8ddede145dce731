#pragma once
// The icon list of both sticker editors: entry 0 stands for no icon, entries
// 1 to 34 are the built-in icons, then come the pictures of the picture packs
// with their numbers. The entries are named by the pictures' sizes at 100 %
// and drawn with the pictures of the list's scale, made on first use.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "sticker/sticker_content_win.h"
#include "win/dib_picture_win.h"

class IconChoices {
 public:
  explicit IconChoices(const ContentSources& art);

  int Count() const { return static_cast<int>(texts_.size()); }
  // "_", " (48x48)" or "|205|| (32x32)".
  const std::wstring& Text(int position) const { return texts_[static_cast<std::size_t>(position)]; }
  void Fill(HWND comboBox) const;
  void Draw(const DRAWITEMSTRUCT& item, const DisplayScale& scale) const;

  static constexpr int kItemHeight = 34;  // at 100 %

 private:
  // Every entry's picture at the DPI, premultiplied for drawing.
  const std::vector<DibPicture32>& PicturesAt(int dpi) const;

  ContentSources art_;
  std::vector<std::wstring> texts_;
  mutable std::map<int, std::vector<DibPicture32>> pictures_;  // a cache: drawing does not change the list
};
