#pragma once
// The pictures the generator draws, by resource name, and their encoding.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "image.h"

class ArtworkSet {
 public:
  // Adds a picture under its resource name; a name may be added once.
  void Add(const std::string& name, Image image);
  const std::map<std::string, Image>& Pictures() const { return pictures_; }

 private:
  std::map<std::string, Image> pictures_;
};

// Each drawing module adds its pictures.
void DrawSkins(ArtworkSet& set);       // templates and masks of the 18 styles
void DrawButtons(ArtworkSet& set);     // pin, pop-up and alignment buttons
void DrawIcons(ArtworkSet& set);       // the 34 built-in icons
void DrawGlyphs(ArtworkSet& set);      // the 16 x 16 glyph strip
void DrawFlags(ArtworkSet& set);       // the language flags and their mask
void DrawAboutWindow(ArtworkSet& set); // the About picture and its close button

// The program's icon, "MAINICON", at each size of its icon file, smallest
// first.
inline constexpr int kProgramIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
std::vector<Image> DrawProgramIcon();

// The icons of the sample picture pack shipped in "pic\", by icon number
// (101 and up), 32 bits with alpha.
std::map<int, Image> DrawSamplePackIcons();

// BMP files as the program reads them: 32 bits (blue, green, red, straight
// alpha), 24 bits (composited over black), 8 bits with a palette of the
// picture's colours, 1 bit (white where the picture is light).
std::vector<std::uint8_t> EncodeBmp(const Image& image, int bitsPerPixel);
std::vector<std::uint8_t> EncodePng(const Image& image);
// A Windows icon file of square pictures, smallest first: 32 bits with alpha,
// each as a DIB with its AND mask, except the 256-pixel one, which is stored
// as a PNG.
std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& images);
