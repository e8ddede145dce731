#include "artwork_set.h"

void DrawButtons(ArtworkSet&) {}
