#pragma once
// Pictures for a display scale. The program carries its pictures drawn three
// times: for 100 % (96 pixels per inch), 150 % and 200 %. A window at one of
// those scales takes its own set; any other scale takes the next larger set
// and resamples it down (above 200 %, the 200 % set is resampled up). Lengths
// the pictures and frames are measured by are written for 100 % and scaled
// with ScaleToDpi.

#include <string>
#include <string_view>

// 100 %: the pixels per inch every length in the program is written for.
inline constexpr int kDefaultDpi = 96;

enum class PictureSet { k100, k150, k200 };
inline constexpr PictureSet kPictureSets[] = {PictureSet::k100, PictureSet::k150, PictureSet::k200};

// The scale a set is drawn for, in percent and in pixels per inch.
int SetPercent(PictureSet set);
int SetDpi(PictureSet set);

struct PictureScale {
  PictureSet set;
  // By which the set's pictures are resampled for the DPI asked: exactly 1
  // when the set was drawn for it.
  double factor;
  bool Native() const { return factor == 1.0; }
};

// The set a window at `dpi` draws with; DPIs below 1 count as 100 %.
PictureScale PictureScaleForDpi(int dpi);

// A length in pixels at 100 % scaled to `dpi`, rounded to the nearest pixel
// (halves away from zero). 96 gives the length unchanged.
int ScaleToDpi(int length, int dpi);

// The resource name of a picture in a set: the 100 % set keeps the plain
// name, the others add "_150" or "_200" (a mask's name is its picture's
// name + "MASK" before the suffix: "BITMAP_FLAGSMASK_150").
std::string ScaledResourceName(std::string_view name, PictureSet set);
