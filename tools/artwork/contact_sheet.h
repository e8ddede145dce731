#pragma once
// One picture showing every generated picture on a checkerboard, plus each
// skin template merged with its mask and tinted in a few sticker colours, and
// the program's icon at each of its sizes on a light and a dark task bar, so
// the whole set can be judged at a glance.

#include <vector>

#include "artwork_set.h"

Image ComposeContactSheet(const ArtworkSet& set, const std::vector<Image>& programIcon);
