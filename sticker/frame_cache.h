#pragma once
// Frames are the same for every window of one style and one request (the
// content's size, the title and the icon): the last few made are kept, so
// that stickers alike in style, size and display scale share the work, as at
// start-up.

#include <cstddef>
#include <deque>

#include "sticker/frame_builders.h"

class FrameCache {
 public:
  // The frame of that style and request at the DPI; made with `skins` when
  // not kept.
  const Picture32& Frame(int style, const SkinLookup& skins, const FrameRequest& request, int dpi);

 private:
  struct Entry {
    int style;
    int dpi;
    FrameRequest request;
    Picture32 frame;
  };
  static constexpr std::size_t kKeptFrames = 8;
  std::deque<Entry> entries_;  // the newest first
};
