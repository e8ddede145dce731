#include "artwork_set.h"

void DrawAboutWindow(ArtworkSet&) {}
