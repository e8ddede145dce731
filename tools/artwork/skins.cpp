#include "artwork_set.h"

void DrawSkins(ArtworkSet&) {}
