#pragma once
// Frames are the same for every window of one style and one request (the
// content's size, the title and the icon): the last few made are kept, so
// that stickers alike in style and size share the work, as at start-up.

#include <cstddef>
#include <deque>

#include "sticker/frame_builders.h"

class FrameCache {
 public:
  // The frame of that style and request; made with `skins` when not kept.
  const Picture32& Frame(int style, const SkinLookup& skins, const FrameRequest& request);

 private:
  struct Entry {
    int style;
    FrameRequest request;
    Picture32 frame;
  };
  static constexpr std::size_t kKeptFrames = 8;
  std::deque<Entry> entries_;  // the newest first
};
