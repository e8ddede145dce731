// The picture loaders against the real system: resources of the built
// Quillory.exe, and picture packs in a "pic\" folder.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "win/file_io_win.h"
#include "store/picture_packs_win.h"
#include "store/resource_bitmap_win.h"
#include "store/resource_image_pair_win.h"
#include "pixels/picture_scale.h"
#include "store/resource_table.h"
#include "store/skin_bitmaps_win.h"
#include "support/bmp_samples.h"
#include "support/program_run_win.h"
#include "support/temp_folder_win.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Quillory.exe opened for its resources only, as the tests read it.
class BuiltProgram {
 public:
  BuiltProgram()
      : module_(LoadLibraryExW((BuiltProgramFolder() + L"Quillory.exe").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~BuiltProgram() {
    if (module_) FreeLibrary(module_);
  }
  BuiltProgram(const BuiltProgram&) = delete;
  BuiltProgram& operator=(const BuiltProgram&) = delete;
  HMODULE Module() const { return module_; }
  bool Carries(const char* name) const {
    const std::wstring wide(name, name + std::char_traits<char>::length(name));
    return FindResourceW(module_, wide.c_str(), L"RESS") != nullptr;
  }

 private:
  HMODULE module_;
};

std::wstring Wide(std::string_view s) { return {s.begin(), s.end()}; }

const ResourceEntry* EntryNamed(std::string_view name) {
  for (const ResourceEntry& entry : ResourceTable())
    if (name == entry.name) return &entry;
  return nullptr;
}

TEST(ResourceBitmap, NamesMatchWithoutRegardToCase) {
  BuiltProgram program;
  ASSERT_NE(program.Module(), nullptr);
  const ResourceBitmap upper = LoadResourceBitmap(L"BITMAP_3", program.Module());
  ASSERT_EQ(upper.status, ResourceLoadStatus::kOk);
  EXPECT_EQ(upper.picture.Width(), 24);
  EXPECT_EQ(upper.picture.Height(), 24);
  EXPECT_EQ(upper.bitsPerPixel, 32);
  for (const wchar_t* name : {L"bitmap_3", L"Bitmap_3"}) {
    const ResourceBitmap other = LoadResourceBitmap(name, program.Module());
    ASSERT_EQ(other.status, ResourceLoadStatus::kOk) << name;
    EXPECT_EQ(other.bitsPerPixel, 32) << name;
    ASSERT_EQ(other.picture.Width(), 24) << name;
    ASSERT_EQ(other.picture.Height(), 24) << name;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) ASSERT_EQ(other.picture.At(x, y), upper.picture.At(x, y)) << name;
  }
}

TEST(ResourceBitmap, AMissingNameIsReportedWithTheStandardText) {
  BuiltProgram program;
  ASSERT_NE(program.Module(), nullptr);
  const ResourceBitmap missing = LoadResourceBitmap(L"BITMAP_NONE", program.Module());
  EXPECT_EQ(missing.status, ResourceLoadStatus::kNotFound);
  EXPECT_EQ(missing.picture.Width(), 0);
  EXPECT_EQ(ResourceErrorText(L"BITMAP_NONE", missing.status), L"Resource BITMAP_NONE not found");
  // The version resource is there, but not of the picture type.
  EXPECT_EQ(LoadResourceBitmap(L"1", program.Module()).status, ResourceLoadStatus::kNotFound);
}

// The completeness check: fails, naming them, while any picture is missing
// or drawn at the wrong size or depth.
TEST(ResourceImagePair, TheFlagStripAndItsMaskFillTheMenuImageList) {
  BuiltProgram program;
  ASSERT_NE(program.Module(), nullptr);
  HIMAGELIST list = ImageList_Create(25, 15, ILC_COLOR24 | ILC_MASK, 0, 16);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(LoadResourceImagePair(L"BITMAP_FLAGS", list, kDefaultDpi, program.Module()), ResourceLoadStatus::kOk);
  EXPECT_EQ(ImageList_GetImageCount(list), 230);  // the strip cut by the list's width
  int width = 0, height = 0;
  ImageList_GetIconSize(list, &width, &height);
  EXPECT_EQ(width, 25);
  EXPECT_EQ(height, 15);
  EXPECT_EQ(LoadResourceImagePair(L"NO_SUCH_PICTURE", list, kDefaultDpi, program.Module()), ResourceLoadStatus::kNotFound);
  EXPECT_EQ(ImageList_GetImageCount(list), 230);
  ImageList_Destroy(list);
}

// Every picture three times: as drawn for 100 %, 150 % and 200 %.
TEST(ResourceCompleteness, EveryPictureOfTheTableIsInTheProgramWithItsSizeAndDepthAtEachScale) {
  BuiltProgram program;
  ASSERT_NE(program.Module(), nullptr);
  std::ostringstream missing, wrong;
  int failures = 0;
  for (const PictureSet set : kPictureSets)
    for (const ResourceEntry& entry : ResourceTable()) {
      const std::string name = ScaledResourceName(entry.name, set);
      const PictureSize size = ScaledPictureSize(entry, SetDpi(set));
      const ResourceBitmap bitmap = LoadResourceBitmap(Wide(name), program.Module());
      if (bitmap.status != ResourceLoadStatus::kOk) {
        missing << " " << name << (bitmap.status == ResourceLoadStatus::kDamaged ? " (damaged)" : "");
        ++failures;
      } else if (bitmap.picture.Width() != size.width || bitmap.picture.Height() != size.height ||
                 bitmap.bitsPerPixel != entry.bitsPerPixel) {
        wrong << " " << name << " is " << bitmap.picture.Width() << "x" << bitmap.picture.Height() << "x" << bitmap.bitsPerPixel;
        ++failures;
      }
    }
  EXPECT_EQ(failures, 0) << "missing:" << missing.str() << "\nwrong:" << wrong.str();
}

// A scale the program carries no set for takes the next larger set,
// resampled to the table's size at that scale: colour-keyed pictures stay
// keyed (no pink fringes), strips stay whole cells.
TEST(ResourceCompleteness, PicturesForOtherScalesAreTheNextLargerSetResampled) {
  BuiltProgram program;
  ASSERT_NE(program.Module(), nullptr);
  for (const int dpi : {120, 168, 240}) {
    for (const char* name : {"BITMAP_FLAT", "BITMAP_3", "BITMAP_POINT_ON", "BITMAPS", "BITMAP_FLAGSMASK"}) {
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(dpi));
      const ResourceBitmap bitmap = LoadScaledPicture(Wide(name), dpi, program.Module());
      ASSERT_EQ(bitmap.status, ResourceLoadStatus::kOk);
      EXPECT_EQ((PictureSize{bitmap.picture.Width(), bitmap.picture.Height()}), ScaledPictureSize(*EntryNamed(name), dpi));
      const ResourceEntry& entry = *EntryNamed(name);
      for (int y = 0; y < bitmap.picture.Height(); ++y)
        for (int x = 0; x < bitmap.picture.Width(); ++x) {
          const Pixel32 p = bitmap.picture.At(x, y);
          if (entry.colourKeyed && !(p.r == 255 && p.g == 0 && p.b == 255))
            ASSERT_FALSE(p.r > 180 && p.b > 180 && p.g < 110) << "pink fringe at " << x << ", " << y;
          if (entry.bitsPerPixel == 1) ASSERT_TRUE(p.r == p.g && p.g == p.b && (p.r == 0 || p.r == 255)) << x << ", " << y;
        }
    }
  }
  // A native scale is the drawn set itself.
  const ResourceBitmap drawn = LoadResourceBitmap(L"BITMAP_FLAT_150", program.Module());
  const ResourceBitmap scaled = LoadScaledPicture(L"BITMAP_FLAT", 144, program.Module());
  ASSERT_EQ(drawn.status, ResourceLoadStatus::kOk);
  ASSERT_EQ(scaled.status, ResourceLoadStatus::kOk);
  EXPECT_TRUE(std::equal(drawn.picture.Row(0), drawn.picture.Row(0) + drawn.picture.Width(), scaled.picture.Row(0)));
}

// Whatever has been drawn so far: what the program carries loads at the
// table's size, what it lacks is listed, in load order.
TEST(SkinBitmaps, LoadWhatTheProgramCarriesAndListTheRest) {
  BuiltProgram program;
  ASSERT_NE(program.Module(), nullptr);
  for (const int dpi : {96, 120, 144, 192}) {
    SCOPED_TRACE("dpi " + std::to_string(dpi));
    SkinBitmaps skins;
    const std::vector<SkinLoadFailure> failures = LoadSkinBitmaps(skins, dpi, program.Module());
    std::vector<std::wstring> expectedFailures;
    for (std::string_view name : SkinBitmapNames()) {
      const std::string n(name);
      const ResourceEntry* entry = EntryNamed(name);
      ASSERT_NE(entry, nullptr) << n;
      if (!program.Carries(n.c_str())) {
        expectedFailures.push_back(Wide(name));
        continue;
      }
      const Picture24* p24 = skins.Find24(name);
      const Picture32* p32 = skins.Find32(name);
      ASSERT_TRUE((p24 != nullptr) != (p32 != nullptr)) << n;
      const int width = p24 ? p24->Width() : p32->Width();
      const int height = p24 ? p24->Height() : p32->Height();
      EXPECT_EQ((PictureSize{width, height}), ScaledPictureSize(*entry, dpi)) << n;
    }
    std::vector<std::wstring> failedNames;
    for (const SkinLoadFailure& f : failures) {
      EXPECT_EQ(f.status, ResourceLoadStatus::kNotFound) << std::string(f.name.begin(), f.name.end());
      failedNames.push_back(f.name);
    }
    EXPECT_EQ(failedNames, expectedFailures);
  }
}

// Sets load once, when first asked for, and stay where they are.
TEST(SkinBitmaps, ScaledSkinsLoadEachScaleOnceAndKeepIt) {
  BuiltProgram program;
  ASSERT_NE(program.Module(), nullptr);
  int loads = 0;
  const ScaledSkins::Loader load = SkinLoader(program.Module());
  const ScaledSkins skins([&](int dpi, SkinBitmaps& set) {
    ++loads;
    load(dpi, set);
  });
  const Picture24* at150 = skins.Find24("BITMAP_FLAT", 144);
  ASSERT_NE(at150, nullptr);
  EXPECT_EQ(at150->Width(), ScaledPictureSize(*EntryNamed("BITMAP_FLAT"), 144).width);
  EXPECT_EQ(skins.Find24("BITMAP_FLAT", 96)->Width(), 239);
  EXPECT_EQ(skins.Find24("BITMAP_FLAT", 144), at150);
  EXPECT_EQ(skins.Find32("BITMAP_CLOSE_PIN", 192)->Width(), 34);
  EXPECT_EQ(loads, 3);
}

class PicturePacks : public ::testing::Test {
 protected:
  std::wstring Pic() const { return folder.File(L"pic\\"); }
  void SetUp() override { CreateDirectoryW(Pic().c_str(), nullptr); }
  void Pack(const std::wstring& name, const Bytes& bytes) const { WriteBytes(Pic() + name, bytes); }

  TempFolder folder;
};

TEST_F(PicturePacks, OnlyFilesWithTheExtensionInAnyCaseArePacks) {
  const Bytes empty = samples::MakePack({}, 0);
  Pack(L"a.qpk", empty);
  Pack(L"B.QPK", empty);
  Pack(L"c.Qpk", empty);
  Pack(L"d.qpk.txt", empty);
  Pack(L"e.qpkx", empty);
  Pack(L"qpk", empty);
  CreateDirectoryW((Pic() + L"x.qpk").c_str(), nullptr);
  WriteBytes(Pic() + L"x.qpk\\inner.qpk", empty);  // packs are not searched for in sub-folders

  const std::vector<std::wstring> found = FindPicturePacks(Pic());
  const std::set<std::wstring> names(found.begin(), found.end());
  EXPECT_EQ(names, (std::set<std::wstring>{Pic() + L"a.qpk", Pic() + L"B.QPK", Pic() + L"c.Qpk"}));
  EXPECT_EQ(found.size(), 3u);
  // Without the trailing backslash the same folder gives the same paths.
  std::wstring bare = Pic();
  bare.pop_back();
  EXPECT_EQ(FindPicturePacks(bare), found);
}

TEST_F(PicturePacks, EveryPackLoadsInTheSystemsOrderAndADamagedOneKeepsItsFirstPictures) {
  const Bytes small = samples::GradientBmp32(2, 2);
  Pack(L"one.qpk", samples::MakePack({{150, small}, {101, small}}, 0));
  Pack(L"two.qpk", samples::MakePack({{150, samples::Deflate(samples::GradientBmp32(5, 3))}}, 1));
  Bytes cut = samples::MakePack({{120, small}, {121, small}}, 0);
  cut.resize(cut.size() - 1);
  Pack(L"cut.qpk", cut);
  Pack(L"absurd.qpk", samples::MakePack({{130, small}}, 0, 0x7FFFFFFF));
  CreateDirectoryW((Pic() + L"x.qpk").c_str(), nullptr);

  TATBitmap list;
  list.Add(Picture32(1, 1), 999);  // cleared first
  LoadPicturePacks(folder.Path(), list);

  // What the list must hold, pack by pack in the order the system lists them.
  std::vector<int> numbers;
  int last150Width = 0;
  for (const std::wstring& path : FindPicturePacks(Pic())) {
    if (path.ends_with(L"one.qpk")) {
      numbers.insert(numbers.end(), {150, 101});
      last150Width = 2;
    } else if (path.ends_with(L"two.qpk")) {
      numbers.push_back(150);
      last150Width = 5;
    } else if (path.ends_with(L"cut.qpk")) {
      numbers.push_back(120);
    }
  }
  ASSERT_EQ(list.Count(), static_cast<int>(numbers.size()));
  for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.NumberAt(i), numbers[static_cast<std::size_t>(i)]);
  EXPECT_EQ(list.Find(999), -1);
  ASSERT_GE(list.Find(150), 0);
  EXPECT_EQ(list.PictureAt(list.Find(150)).Width(), last150Width);  // the pack loaded later wins
}

TEST_F(PicturePacks, WithoutAPicFolderTheListIsEmpty) {
  RemoveTree(Pic());
  TATBitmap list;
  list.Add(Picture32(1, 1), 101);
  LoadPicturePacks(folder.Path(), list);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(LoadPicturePack(Pic() + L"none.qpk", list).status, PackReadStatus::kEndedEarly);
}

TEST(SamplePack, TheShippedPackReadsWholeWithUserIconNumbers) {
  const std::wstring path = BuiltProgramFolder() + L"pic\\sample.qpk";
  ASSERT_TRUE(FileExists(path));
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  ASSERT_GE(bytes.size(), 16u);
  EXPECT_EQ(bytes[12], 1);  // compressed
  TATBitmap list;
  const PackReadResult r = LoadPicturePack(path, list);
  EXPECT_EQ(r.status, PackReadStatus::kComplete);
  for (int i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.NumberAt(i), 101 + i);
    EXPECT_GT(list.PictureAt(i).Width(), 0);
  }
}

}  // namespace
