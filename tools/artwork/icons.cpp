#include "artwork_set.h"

void DrawIcons(ArtworkSet&) {}
