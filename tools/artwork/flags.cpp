#include "artwork_set.h"

void DrawFlags(ArtworkSet&) {}
