#pragma once
// The three frame builders. Each cuts a skin template and its mask into
// pieces, copies the fixed pieces and stretches the others to the size the
// content needs, then merges colour and mask into one 32-bit frame whose
// alpha gives the sticker its shape. The templates are borrowed, never owned.

#include <functional>
#include <string_view>

#include "pixels/picture.h"
#include "sticker/skin_styles.h"

struct SkinTemplate {
  const Picture24& colour;  // not owned
  const Picture24& mask;    // not owned
};

struct FrameSize {
  int width, height;
  bool operator==(const FrameSize&) const = default;
};

// What a frame is built around. Template frames use the content size (the
// content rectangle's right and bottom); window and icon frames the title
// rectangle's size and the icon's.
struct FrameRequest {
  int contentWidth = 0, contentHeight = 0;
  int titleWidth = 0, titleHeight = 0;
  int iconWidth = 0, iconHeight = 0;
  bool expanded = true;
};

FrameSize TemplateFrameSize(int contentWidth, int contentHeight, int kind, TemplateVariant variant, bool expanded, int dpi);
FrameSize WindowFrameSize(const FrameRequest& request, const WindowMetrics& metrics, int dpi);
FrameSize IconFrameSize(const FrameRequest& request, int dpi);

Picture32 BuildTemplateFrame(const SkinTemplate& skin, const FrameRequest& request, int kind, TemplateVariant variant, int dpi);
Picture32 BuildWindowFrame(const SkinTemplate& skin, const FrameRequest& request, const WindowMetrics& metrics, int dpi);
Picture32 BuildIconFrame(const SkinTemplate& skin, const FrameRequest& request, int dpi);

// Finds a skin picture by resource name, as drawn or resampled for the DPI;
// null when there is none.
using SkinLookup = std::function<const Picture24*(std::string_view name, int dpi)>;

// The frame of a style at the DPI, untinted; empty when its template is
// missing.
Picture32 BuildStyleFrame(int style, const SkinLookup& skins, const FrameRequest& request, int dpi);
