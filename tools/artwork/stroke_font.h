#pragma once
// Quillory's own stroke font: letters, digits and a few marks built from
// straight strokes with rounded corners, so it is both crisp at one pixel per
// unit (stems fall on pixel centres) and smooth when scaled up.
//
// Font units: baseline 0, x-height 4, cap height 6, descenders to -2, y up.

#include <string>

#include "shapes.h"

struct TextStyle {
  float scale = 1;      // pixels per font unit
  float width = 2;      // body width of ordinary letters, in units
  float gap = 2;        // from one glyph's last stem to the next one's first
  float halfWidth = 0.5f;  // half the stroke width, in pixels
};

// The text as one shape; (x, baseline) is the centre of the first stem's
// foot, in pixels (for crisp one-unit text use pixel centres, n + 0.5).
Shape TextShape(const std::string& text, float x, float baseline, const TextStyle& style);
// Distance from the first stem's centre to the last stem's centre, in pixels.
float TextWidth(const std::string& text, const TextStyle& style);
