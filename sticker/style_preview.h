#pragma once
// A sample of a style in a colour, centred on an empty frame: what the
// settings and new-sticker dialogs show next to their style lists.

#include <optional>

#include "sticker/frame_builders.h"
#include "pixels/colour.h"

struct PreviewBackground {
  Colour face;     // the dialog's button-face colour
  Colour outline;  // its button-shadow colour
};

// Where the caller writes the word "Text" on a frame-style sample (the core
// cannot draw text): its left edge and the vertical centre.
struct PreviewText {
  int left;
  int centreY;
};

// Paints the picture as an empty frame, then the sample, drawn for the DPI.
// icon is built-in icon 1 at that DPI, drawn on frame-style samples. Returns
// where "Text" goes, when the style's sample has a title line.
std::optional<PreviewText> PreviewStyle(Picture32& picture, int style, Colour colour, const SkinLookup& skins,
                                        const Picture32& icon, PreviewBackground background, int dpi);
