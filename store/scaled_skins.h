#pragma once
// The skin pictures for every display scale the windows ask for. Each DPI's
// set is made once, on first use, by the loader (the pictures drawn for that
// scale, or the next larger set resampled), and kept for the whole run, so
// the pictures lent out never move.

#include <functional>
#include <map>
#include <string_view>

#include "store/skin_bitmaps.h"

class ScaledSkins {
 public:
  using Loader = std::function<void(int dpi, SkinBitmaps& skins)>;

  ScaledSkins() = default;  // no loader: sets not put in are empty
  explicit ScaledSkins(Loader loader) : loader_(std::move(loader)) {}

  // Keeps a set already loaded for the DPI (the first one, whose failures
  // the caller has seen).
  void Put(int dpi, SkinBitmaps skins) { sets_.insert_or_assign(dpi, std::move(skins)); }

  // The set for the DPI, loaded when asked for the first time.
  const SkinBitmaps& At(int dpi) const;
  const Picture24* Find24(std::string_view name, int dpi) const { return At(dpi).Find24(name); }
  const Picture32* Find32(std::string_view name, int dpi) const { return At(dpi).Find32(name); }

 private:
  Loader loader_;
  mutable std::map<int, SkinBitmaps> sets_;  // a cache: asking for a set does not change what it holds
};
