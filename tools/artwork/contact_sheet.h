#pragma once
// One picture showing every generated picture on a checkerboard, plus each
// skin template merged with its mask and tinted in a few sticker colours, so
// the whole set can be judged at a glance.

#include "artwork_set.h"

Image ComposeContactSheet(const ArtworkSet& set);
