#pragma once
// The colour arithmetic of the task panel's caption bar, on colours in the
// system's 0x00BBGGRR order. Each rule works on red, green and blue alike.

#include "pixels/colour.h"

// Each component less `amount`, not below 0.
Colour Darkened(Colour colour, int amount);
// Each component moved `percent` per cent of its distance to 255, rounded down.
Colour Lightened(Colour colour, int percent);
// Row `row` of a vertical gradient `rows` high that starts with `top` in its
// first row and ends with `bottom` in its last, each component linear.
Colour GradientRow(Colour top, Colour bottom, int row, int rows);
