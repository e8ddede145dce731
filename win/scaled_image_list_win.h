#pragma once
// A picture list for each display scale, made once, on first use, by its
// maker, and kept for the whole run (the language menu's flags).

#include <functional>
#include <map>

#include "win/handles_win.h"

class ScaledImageList {
 public:
  using Maker = std::function<UniqueImageList(int dpi)>;

  explicit ScaledImageList(Maker maker) : maker_(std::move(maker)) {}

  // Keeps a list already made for the DPI (the first one, whose failures the
  // caller has seen).
  void Put(int dpi, UniqueImageList list) { lists_.insert_or_assign(dpi, std::move(list)); }

  HIMAGELIST At(int dpi) const {
    auto found = lists_.find(dpi);
    if (found == lists_.end()) found = lists_.emplace(dpi, maker_(dpi)).first;
    return found->second.Get();
  }

 private:
  Maker maker_;
  mutable std::map<int, UniqueImageList> lists_;  // a cache: asking for a list does not change it
};
