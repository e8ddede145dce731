#pragma once
// The pictures the generator draws, by resource name, and their encoding.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "image.h"

// One set of pictures, all drawn for one display scale.
class ArtworkSet {
 public:
  explicit ArtworkSet(int dpi) : dpi_(dpi) {}
  int Dpi() const { return dpi_; }

  // Adds a picture under its resource name; a name may be added once.
  void Add(const std::string& name, Image image);
  const std::map<std::string, Image>& Pictures() const { return pictures_; }

 private:
  int dpi_;
  std::map<std::string, Image> pictures_;
};

// Each drawing module adds its pictures, drawn for the set's scale.
void DrawSkins(ArtworkSet& set);       // templates and masks of the 18 styles
void DrawButtons(ArtworkSet& set);     // pin, pop-up and alignment buttons
void DrawIcons(ArtworkSet& set);       // the 34 built-in icons
void DrawGlyphs(ArtworkSet& set);      // the 16 x 16 glyph strip
void DrawFlags(ArtworkSet& set);       // the language flags and their mask
void DrawAboutWindow(ArtworkSet& set); // the About picture and its close button

// Every picture of the resource table drawn for `dpi` and checked against
// the table's sizes at that scale; throws when one is missing or misfits.
ArtworkSet DrawArtworkSet(int dpi);

// The program's icon, "MAINICON", at each size of its icon file, smallest
// first: every size the shell asks for at 100 % to 200 % (small icons 16 to
// 32, large 32 to 64, the Alt+Tab and view sizes up to 256).
inline constexpr int kProgramIconSizes[] = {16, 20, 24, 28, 30, 32, 36, 40, 48, 56, 64, 72, 80, 96, 128, 256};
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
