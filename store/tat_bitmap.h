#pragma once
// TATBitmap: the user icons, an ordered list of 32-bit pictures with their
// icon numbers, filled from the picture packs. Numbers need not be unique: a
// lookup finds the entry added last, so a later pack overrides an earlier one.

#include <cstddef>
#include <vector>

#include "pixels/picture.h"

class TATBitmap {
 public:
  // Appends a copy of the picture with its number.
  void Add(const Picture32& picture, int number) { entries_.push_back({picture, number}); }
  void Add(Picture32&& picture, int number) { entries_.push_back({std::move(picture), number}); }

  // The position of the last entry with this number, -1 when there is none.
  int Find(int number) const {
    for (std::size_t i = entries_.size(); i-- > 0;)
      if (entries_[i].number == number) return static_cast<int>(i);
    return -1;
  }

  int Count() const { return static_cast<int>(entries_.size()); }
  const Picture32& PictureAt(int index) const { return entries_[static_cast<std::size_t>(index)].picture; }
  int NumberAt(int index) const { return entries_[static_cast<std::size_t>(index)].number; }
  void Clear() { entries_.clear(); }
  // Drops the entries from position `count` on.
  void Truncate(int count) { entries_.erase(entries_.begin() + count, entries_.end()); }

 private:
  struct Entry {
    Picture32 picture;
    int number;
  };
  std::vector<Entry> entries_;
};
