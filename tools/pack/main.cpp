// Makes a picture pack from BMP files.
//
//   quillory_pack [--compress] OUTPUT.qpk NUMBER=PICTURE.bmp ...
//
// Pictures keep the order given; the program finds the last one when a number
// repeats. The program expects 32-bit pictures (other depths show opaque).

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "pack_writer.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

PackPicture ParsePicture(const std::string& argument) {
  const std::size_t eq = argument.find('=');
  if (eq == std::string::npos || eq == 0) throw std::runtime_error("expected NUMBER=PICTURE.bmp, got " + argument);
  char* end = nullptr;
  const long number = std::strtol(argument.c_str(), &end, 10);
  if (end != argument.c_str() + eq || number < INT32_MIN || number > INT32_MAX)
    throw std::runtime_error("not a picture number: " + argument.substr(0, eq));
  PackPicture picture{static_cast<std::int32_t>(number), ReadFile(argument.substr(eq + 1))};
  if (picture.bmp.size() < 2 || picture.bmp[0] != 'B' || picture.bmp[1] != 'M')
    throw std::runtime_error("not a BMP file: " + argument.substr(eq + 1));
  if (number < 101) std::cerr << "quillory_pack: warning: number " << number << " is below 101, the first user icon\n";
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  int next = 1;
  bool compress = false;
  if (next < argc && std::string(argv[next]) == "--compress") {
    compress = true;
    ++next;
  }
  if (argc - next < 1) {
    std::cerr << "usage: quillory_pack [--compress] OUTPUT.qpk NUMBER=PICTURE.bmp ...\n";
    return 2;
  }
  try {
    const std::string output = argv[next++];
    std::vector<PackPicture> pictures;
    for (; next < argc; ++next) pictures.push_back(ParsePicture(argv[next]));
    const std::vector<std::uint8_t> pack = WritePicturePack(pictures, compress);
    std::ofstream out(output, std::ios::binary);
    out.write(reinterpret_cast<const char*>(pack.data()), static_cast<std::streamsize>(pack.size()));
    if (!out) throw std::runtime_error("cannot write " + output);
  } catch (const std::exception& e) {
    std::cerr << "quillory_pack: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
