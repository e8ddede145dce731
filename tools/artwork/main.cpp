// The artwork generator: draws every picture the program carries, once for
// each display scale the program carries pictures for (100 %, 150 %, 200 %),
// checks each against the resource table, and writes them as zlib-compressed
// BMP files with a resource script that packs them into the program as
// "RESS" data, the larger scales under names with a suffix ("_150"). The
// program's icon goes into the same folder as MAINICON.ico; the script names
// it before anything else, so that it is the program's first icon group, the
// one Explorer shows.
//
//   quillory_artwork OUTPUT_FOLDER [--contact-sheet FILE.png] [--sample-pack FILE.qpk]
//
// The contact sheet is written once per scale: FILE.png, FILE_150.png and
// FILE_200.png.
//
// The sample pack holds the sample icons, numbered from 101, as compressed
// 32-bit BMP pictures.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "artwork_set.h"
#include "contact_sheet.h"
#include "pack_writer.h"
#include "pixels/picture_scale.h"
#include "store/resource_table.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// "contact_sheet.png" for 100 %, "contact_sheet_150.png" for 150 % and so on.
fs::path ContactSheetPath(const fs::path& path, PictureSet set) {
  fs::path scaled = path;
  scaled.replace_filename(ScaledResourceName(path.stem().string(), set) + path.extension().string());
  return scaled;
}

std::vector<std::uint8_t> SamplePack() {
  std::vector<PackPicture> pictures;
  for (const auto& [number, icon] : DrawSamplePackIcons()) pictures.push_back({number, EncodeBmp(icon, 32)});
  return WritePicturePack(pictures, true);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: quillory_artwork OUTPUT_FOLDER [--contact-sheet FILE.png] [--sample-pack FILE.qpk]\n";
    return 2;
  }
  try {
    const fs::path folder = argv[1];
    fs::create_directories(folder);
    std::ofstream script(folder / "artwork.rc");
    const std::vector<Image> programIcon = DrawProgramIcon();
    WriteFile(folder / "MAINICON.ico", EncodeIco(programIcon));
    script << "MAINICON ICON \"" << fs::absolute(folder / "MAINICON.ico").generic_string() << "\"\n";
    std::vector<ArtworkSet> sets;
    for (const PictureSet scale : kPictureSets) {
      sets.push_back(DrawArtworkSet(SetDpi(scale)));
      for (const ResourceEntry& entry : ResourceTable()) {
        const std::string name = ScaledResourceName(entry.name, scale);
        const std::string file = name + ".bmp.z";
        WriteFile(folder / file, ZlibCompress(EncodeBmp(sets.back().Pictures().at(entry.name), entry.bitsPerPixel)));
        script << name << " RESS \"" << fs::absolute(folder / file).generic_string() << "\"\n";
      }
    }
    for (int i = 2; i + 1 < argc; i += 2) {
      const std::string option = argv[i];
      if (option == "--contact-sheet") {
        for (std::size_t s = 0; s < sets.size(); ++s)
          WriteFile(ContactSheetPath(argv[i + 1], kPictureSets[s]), EncodePng(ComposeContactSheet(sets[s], programIcon)));
      } else if (option == "--sample-pack") {
        WriteFile(argv[i + 1], SamplePack());
      } else {
        throw std::runtime_error("unknown option " + option);
      }
    }
  } catch (const std::exception& e) {
    std::cerr << "quillory_artwork: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
