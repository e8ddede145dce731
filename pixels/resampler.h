#pragma once
// Filtered resampling of 24-bit pictures with the Mitchell-Netravali cubic
// (B = C = 1/3), in two separable passes: horizontal into a scratch picture,
// then vertical into the destination. Destination pixel i is centred on
// source position i * source size / destination size; positions outside the
// source are mirrored at its edges. Weights are not normalised, and each pass
// rounds and clamps its results to 0..255.

#include "pixels/picture.h"

// Fills the destination (its size chosen by the caller) from the source.
void Resample(const View24& source, const View24& destination);

// The filter itself, for any distance x.
double MitchellFilter(double x);
