#include "sticker/frame_cache.h"

#include <algorithm>

namespace {
bool SameRequest(const FrameRequest& a, const FrameRequest& b) {
  return a.contentWidth == b.contentWidth && a.contentHeight == b.contentHeight && a.titleWidth == b.titleWidth &&
         a.titleHeight == b.titleHeight && a.iconWidth == b.iconWidth && a.iconHeight == b.iconHeight &&
         a.expanded == b.expanded;
}
}  // namespace

const Picture32& FrameCache::Frame(int style, const SkinLookup& skins, const FrameRequest& request, int dpi) {
  const auto kept = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.style == style && e.dpi == dpi && SameRequest(e.request, request);
  });
  if (kept != entries_.end()) {
    if (kept != entries_.begin()) std::rotate(entries_.begin(), kept, kept + 1);
    return entries_.front().frame;
  }
  entries_.push_front({style, dpi, request, BuildStyleFrame(style, skins, request, dpi)});
  if (entries_.size() > kKeptFrames) entries_.pop_back();
  return entries_.front().frame;
}
