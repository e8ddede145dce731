// The artwork generator: draws every picture the program carries, checks each
// against the resource table, and writes them as zlib-compressed BMP files
// with a resource script that packs them into the program as "RESS" data. The
// program's icon goes into the same folder as MAINICON.ico; the script names
// it before anything else, so that it is the program's first icon group, the
// one Explorer shows.
//
//   quillory_artwork OUTPUT_FOLDER [--contact-sheet FILE.png] [--sample-pack FILE.qpk]
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
#include "store/resource_table.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Checks the drawn pictures against the table; returns how many are missing.
int Check(const ArtworkSet& set) {
  int missing = 0;
  for (const ResourceEntry& entry : ResourceTable()) {
    const auto it = set.Pictures().find(entry.name);
    if (it == set.Pictures().end()) {
      std::cerr << "not drawn yet: " << entry.name << "\n";
      ++missing;
      continue;
    }
    if (it->second.Width() != entry.width || it->second.Height() != entry.height)
      throw std::runtime_error(std::string("wrong size: ") + entry.name);
  }
  for (const auto& [name, picture] : set.Pictures()) {
    bool known = false;
    for (const ResourceEntry& entry : ResourceTable()) known = known || name == entry.name;
    if (!known) throw std::runtime_error("not a resource of the program: " + name);
  }
  return missing;
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
    ArtworkSet set;
    DrawSkins(set);
    DrawButtons(set);
    DrawIcons(set);
    DrawGlyphs(set);
    DrawFlags(set);
    DrawAboutWindow(set);
    Check(set);

    const fs::path folder = argv[1];
    fs::create_directories(folder);
    std::ofstream script(folder / "artwork.rc");
    const std::vector<Image> programIcon = DrawProgramIcon();
    WriteFile(folder / "MAINICON.ico", EncodeIco(programIcon));
    script << "MAINICON ICON \"" << fs::absolute(folder / "MAINICON.ico").generic_string() << "\"\n";
    for (const ResourceEntry& entry : ResourceTable()) {
      const auto it = set.Pictures().find(entry.name);
      if (it == set.Pictures().end()) continue;
      const std::string file = std::string(entry.name) + ".bmp.z";
      WriteFile(folder / file, ZlibCompress(EncodeBmp(it->second, entry.bitsPerPixel)));
      script << entry.name << " RESS \"" << fs::absolute(folder / file).generic_string() << "\"\n";
    }
    for (int i = 2; i + 1 < argc; i += 2) {
      const std::string option = argv[i];
      if (option == "--contact-sheet")
        WriteFile(argv[i + 1], EncodePng(ComposeContactSheet(set, programIcon)));
      else if (option == "--sample-pack")
        WriteFile(argv[i + 1], SamplePack());
      else
        throw std::runtime_error("unknown option " + option);
    }
  } catch (const std::exception& e) {
    std::cerr << "quillory_artwork: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
