#include "artwork_set.h"

void DrawGlyphs(ArtworkSet&) {}
