#include "artwork_set.h"

void DrawIcons(ArtworkSet&) {}

std::map<int, Image> DrawSamplePackIcons() { return {}; }
