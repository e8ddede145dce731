#pragma once
// The built program's pictures for tests that draw stickers: Quillory.exe
// opened for its resources only, its skin pictures loaded once per test run.

#include <windows.h>

#include "sticker/sticker_content_win.h"
#include "store/scaled_skins.h"

class BuiltArtwork {
 public:
  // Loaded on first use from the folder QUILLORY_PROGRAM_DIR names.
  static const BuiltArtwork& Get();

  // True when the program was found and every skin picture of 100 % loaded.
  bool Loaded() const { return loaded_; }
  HMODULE Module() const { return module_; }
  const ScaledSkins& Skins() const { return skins_; }
  // Skins and built-in icons from the program for the DPI; user icons as given.
  ContentSources Sources(const TATBitmap* userIcons = nullptr, int dpi = kDefaultDpi) const {
    ContentSources sources{&skins_, userIcons, module_};
    sources.dpi = dpi;
    return sources;
  }

 private:
  BuiltArtwork();
  HMODULE module_ = nullptr;  // kept open for the whole run
  ScaledSkins skins_;
  bool loaded_ = false;
};
