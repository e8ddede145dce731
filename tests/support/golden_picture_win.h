#pragma once
// Pictures compared with reference PNGs checked in under tests/golden/, so
// that a change of look shows in review. Running the tests with
// QUILLORY_REGENERATE_GOLDEN=1 writes the references instead of comparing:
// do that deliberately, and look at every picture it changed.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "pixels/picture.h"

struct GoldenTolerance {
  int channel = 24;            // a pixel differs when a channel is further apart than this
  double differingShare = 0.005;  // the share of pixels that may differ
};

// Compares the picture with tests/golden/<name>.png. A picture that does not
// match is saved to the temporary folder and the message tells where.
testing::AssertionResult MatchesGolden(const Picture32& picture, const std::string& name, GoldenTolerance tolerance = {});

// A PNG file of the picture, straight alpha kept.
bool SavePng(const Picture32& picture, const std::wstring& path);

// The tests/ folder of the source tree, with a trailing backslash.
std::wstring TestSourceFolder();

// A folder an environment variable names, Linux paths turned into paths on
// Wine's Z: drive; empty when the variable is not set.
std::wstring FolderFromEnvironment(const char* variable);

// What the screen shows in the rectangle, opaque.
Picture32 ScreenPicture(const RECT& r);
// The same once the X server, which shows what it is handed a moment later,
// shows a picture (not one colour) that stays as it is from one look to the next.
Picture32 SettledScreenPicture(const RECT& r);
