#pragma once
// The previews of the settings and new-sticker dialogs, drawn into 24-bit
// pictures: the sample of a style in a colour with the word "Text" on it, and
// the empty frame every preview starts from.

#include "pixels/colour.h"
#include "sticker/sticker_content_win.h"
#include "win/dib_picture_win.h"

// Button face, outlined in the button-shadow colour.
void PaintEmptyPreview(DibPicture24& picture);
// Button face all over.
void FillButtonFace(DibPicture24& picture);

// The style's sample over the button face, built-in icon 1 on frame styles.
void DrawStylePreview(DibPicture24& picture, int style, Colour colour, const ContentSources& art);
