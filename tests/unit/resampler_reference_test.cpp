// The resampler against an implementation nobody here wrote: ImageMagick's
// Mitchell resize, on ImageMagick's own built-in photographs.
//
// The two differ in one convention: ImageMagick centres destination pixel i on
// source position (i + 0.5) * s / d - 0.5, ours on i * s / d. To compare like
// with like, the checks line the two grids up exactly where the offset is a
// whole pixel: enlarging by 3 (our pixel i - 1 is ImageMagick's i) and
// shrinking by 3 (ours, fed the source moved one pixel, is ImageMagick's).
// ImageMagick also normalises its weights, mirrors edges its own way and keeps
// the overshoot of its first pass instead of clamping it to 0..255, which shows
// at hard black-on-white edges; so only the interior is compared and a few
// levels of difference remain.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "pixels/resampler.h"

namespace {

namespace fs = std::filesystem;

bool HaveImageMagick() { return std::system("convert -version >/dev/null 2>&1") == 0; }

fs::path TempFile(const std::string& name) {
  return fs::temp_directory_path() / ("quillory_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                      "_" + name);
}

// The next number of a PPM header, past white space and comment lines.
int HeaderNumber(std::istream& in) {
  in >> std::ws;
  while (in.peek() == '#') {
    std::string comment;
    std::getline(in, comment);
    in >> std::ws;
  }
  int value = 0;
  in >> value;
  return value;
}

Picture24 ReadPpm(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  in >> magic;
  const int w = HeaderNumber(in), h = HeaderNumber(in);
  HeaderNumber(in);  // the largest value, 255
  in.get();
  Picture24 picture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      unsigned char rgb[3];
      in.read(reinterpret_cast<char*>(rgb), 3);
      picture.At(x, y) = {rgb[2], rgb[1], rgb[0]};
    }
  return picture;
}

void WritePpm(const fs::path& path, const Picture24& picture) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << picture.Width() << " " << picture.Height() << "\n255\n";
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const Pixel24 p = picture.At(x, y);
      const char rgb[3] = {static_cast<char>(p.r), static_cast<char>(p.g), static_cast<char>(p.b)};
      out.write(rgb, 3);
    }
}

Picture24 BuiltInPicture(const std::string& name) {
  const fs::path path = TempFile(name + ".ppm");
  EXPECT_EQ(std::system(("convert " + name + ": -type TrueColor -depth 8 ppm:" + path.string()).c_str()), 0);
  Picture24 picture = ReadPpm(path);
  fs::remove(path);
  return picture;
}

Picture24 ImageMagickResize(const Picture24& source, int w, int h) {
  const fs::path in = TempFile("in.ppm"), out = TempFile("out.ppm");
  WritePpm(in, source);
  const std::string command = "convert " + in.string() + " -filter Mitchell -resize " + std::to_string(w) + "x" +
                              std::to_string(h) + "! -type TrueColor -depth 8 ppm:" + out.string();
  EXPECT_EQ(std::system(command.c_str()), 0);
  Picture24 result = ReadPpm(out);
  fs::remove(in);
  fs::remove(out);
  return result;
}

Picture24 OurResize(const Picture24& source, int w, int h) {
  Picture24 destination(w, h);
  Resample(source.View(), destination.View());
  return destination;
}

// The source moved one pixel left and up, its last column and row repeated.
Picture24 MovedByOne(const Picture24& source) {
  Picture24 moved(source.Width(), source.Height());
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x)
      moved.At(x, y) = source.At(std::min(x + 1, source.Width() - 1), std::min(y + 1, source.Height() - 1));
  return moved;
}

struct Difference {
  int largest = 0;
  double mean = 0;
};

// Compares ours(x - shift, y - shift) with theirs(x, y) away from the edges.
Difference Compare(const Picture24& ours, const Picture24& theirs, int shift, int margin) {
  Difference d;
  long long sum = 0, count = 0;
  for (int y = margin; y < theirs.Height() - margin; ++y)
    for (int x = margin; x < theirs.Width() - margin; ++x) {
      const Pixel24 a = ours.At(x - shift, y - shift), b = theirs.At(x, y);
      for (const int diff : {std::abs(a.b - b.b), std::abs(a.g - b.g), std::abs(a.r - b.r)}) {
        d.largest = std::max(d.largest, diff);
        sum += diff;
        ++count;
      }
    }
  d.mean = count ? static_cast<double>(sum) / static_cast<double>(count) : 0.0;
  return d;
}

void Report(const std::string& what, const Difference& d) {
  std::cout << "  " << what << ": largest " << d.largest << ", mean " << d.mean << "\n";
}

TEST(ResamplerAgainstImageMagick, MatchesOnThePhotographsOnceTheGridsAreAligned) {
  if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  for (const std::string name : {"rose", "granite", "logo"}) {
    SCOPED_TRACE(name);
    const Picture24 photo = BuiltInPicture(name);
    ASSERT_GT(photo.Width(), 0);
    const int w = photo.Width(), h = photo.Height();

    const Picture24 bigOurs = OurResize(photo, 3 * w, 3 * h), bigTheirs = ImageMagickResize(photo, 3 * w, 3 * h);
    const Difference raw = Compare(bigOurs, bigTheirs, 0, 6);
    const Difference enlarged = Compare(bigOurs, bigTheirs, 1, 6);

    const int sw = w / 3 * 3, sh = h / 3 * 3;
    Picture24 cropped(sw, sh);
    for (int y = 0; y < sh; ++y)
      for (int x = 0; x < sw; ++x) cropped.At(x, y) = photo.At(x, y);
    const Picture24 smallTheirs = ImageMagickResize(cropped, sw / 3, sh / 3);
    const Difference shrunk = Compare(OurResize(MovedByOne(cropped), sw / 3, sh / 3), smallTheirs, 0, 2);

    std::cout << name << " " << w << "x" << h << "\n";
    Report("enlarged x3, grids as they are", raw);
    Report("enlarged x3, grids aligned", enlarged);
    Report("shrunk /3, grids aligned", shrunk);
    EXPECT_LE(enlarged.largest, 12);
    EXPECT_LE(enlarged.mean, 0.6);
    EXPECT_LE(shrunk.largest, 8);
    EXPECT_LE(shrunk.mean, 1.0);
    EXPECT_GT(raw.mean, enlarged.mean);  // the grid offset is real and the aligned check sees through it
  }
}

}  // namespace
