#pragma once
// Whole pictures resampled to a display scale with the Mitchell resampler:
// the program's pictures for scales it carries no set for, and users' own
// pictures (drawn for 100 %) at every other scale.

#include "pixels/picture.h"

enum class PictureKind {
  kOpaque,       // every pixel shows; alpha is left 255
  kAlpha,        // straight alpha: resampled premultiplied, so transparent
                 // pixels lend no colour to the edges
  kColourKeyed,  // magenta is transparent: a pixel becomes either the key or
                 // an opaque colour, never a blend with the key
  kTwoLevel,     // black and white only (the flag mask)
};

inline constexpr Pixel32 kKeyPixel{255, 0, 255, 255};  // magenta, 0xFF00FF

// The source resampled to width x height. A strip of `cells` pictures side
// by side is resampled cell by cell, so no cell bleeds into its neighbour;
// the width is then a multiple of `cells`.
Picture32 ResamplePicture(const Picture32& source, int width, int height, PictureKind kind, int cells = 1);

// A picture drawn for 100 % at `dpi`: the picture itself at 96, else
// resampled with its alpha to the scaled size.
Picture32 PictureForDpi(const Picture32& picture, int dpi);
