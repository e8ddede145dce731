#pragma once
// Writing picture packs (".qpk"), the files of numbered BMP pictures that the
// program reads from its "pic\" folder. The program itself never writes them.

#include <cstdint>
#include <vector>

struct PackPicture {
  std::int32_t number = 101;  // icon number; 101 and up, smaller ones mean built-in icons
  std::vector<std::uint8_t> bmp;  // a whole BMP file, 32 bits per pixel
};

// A zlib stream (best compression) of the bytes: how the program's pictures
// are stored, in packs and as resources.
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& bytes);

// The pack file: header, directory and data. With compress, every picture is
// stored as a zlib stream and the header's flag is 1. Throws std::runtime_error
// when a picture is too large for the format.
std::vector<std::uint8_t> WritePicturePack(const std::vector<PackPicture>& pictures, bool compress);
