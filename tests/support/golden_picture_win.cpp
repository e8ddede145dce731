#include "support/golden_picture_win.h"

#include "win/dib_picture_win.h"
#include "win/handles_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <utility>

#include "win/handles_win.h"
#include "win/text_convert_win.h"
#include "win/file_io_win.h"
#include "support/png_codec.h"
#include "support/same_pictures.h"
#include "support/wait_win.h"

namespace {

std::wstring WindowsPath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  if (!path.empty() && path[0] == '\\') path = "Z:" + path;
  return WideFromUtf8(path);
}

bool Regenerating() {
  const char* value = std::getenv("QUILLORY_REGENERATE_GOLDEN");
  return value && std::string(value) == "1";
}

}  // namespace

std::wstring TestSourceFolder() {
  // This file is tests/support/golden_picture_win.cpp of the source tree.
  std::string file = __FILE__;
  for (char& c : file)
    if (c == '\\') c = '/';
  const std::size_t at = file.rfind("/support/");
  return WindowsPath(file.substr(0, at + 1));
}

std::wstring FolderFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value || !*value) return {};
  std::wstring folder = WindowsPath(value);
  if (folder.back() != L'\\') folder += L'\\';
  return folder;
}

bool SavePng(const Picture32& picture, const std::wstring& path) {
  const std::vector<std::uint8_t> bytes = png::Encode(picture);
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

testing::AssertionResult MatchesGolden(const Picture32& picture, const std::string& name, GoldenTolerance tolerance) {
  const std::wstring reference = TestSourceFolder() + L"golden\\" + WideFromUtf8(name) + L".png";
  if (Regenerating()) {
    if (!SavePng(picture, reference)) return testing::AssertionFailure() << "cannot write " << Utf8FromWide(reference);
    return testing::AssertionSuccess() << "written";
  }
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring actual = std::wstring(temp) + L"quillory_" + WideFromUtf8(name) + L".png";
  const auto failure = [&](const std::string& why) {
    SavePng(picture, actual);
    return testing::AssertionFailure() << name << ": " << why << "; this run's picture is " << Utf8FromWide(actual)
                                       << " (QUILLORY_REGENERATE_GOLDEN=1 rewrites the references)";
  };
  const FileReadResult file = ReadWholeFile(reference, std::size_t{64} << 20);
  const std::optional<Picture32> expected = png::Decode(file.bytes);
  if (!expected) return failure("no readable reference " + Utf8FromWide(reference));
  if (expected->Width() != picture.Width() || expected->Height() != picture.Height()) {
    std::ostringstream why;
    why << "size " << picture.Width() << "x" << picture.Height() << ", reference " << expected->Width() << "x"
        << expected->Height();
    return failure(why.str());
  }
  long long differing = 0;
  int worst = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const Pixel32 a = picture.At(x, y), b = expected->At(x, y);
      const int d = std::max({std::abs(a.b - b.b), std::abs(a.g - b.g), std::abs(a.r - b.r), std::abs(a.a - b.a)});
      worst = std::max(worst, d);
      if (d > tolerance.channel) ++differing;
    }
  const double share = static_cast<double>(differing) / (static_cast<double>(picture.Width()) * picture.Height());
  if (share > tolerance.differingShare) {
    std::ostringstream why;
    why << differing << " pixels (" << share * 100 << "%) differ by more than " << tolerance.channel << ", worst " << worst;
    return failure(why.str());
  }
  return testing::AssertionSuccess();
}

namespace {

bool OneColour(const Picture32& picture) {
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (!(picture.At(x, y) == picture.At(0, 0))) return false;
  return true;
}

}  // namespace

Picture32 SettledScreenPicture(const RECT& r) {
  Picture32 last = ScreenPicture(r);
  Eventually([&] {
    Picture32 now = ScreenPicture(r);
    const bool settled = !OneColour(now) && SamePixels(now, last);
    last = std::move(now);
    return settled;
  });
  return last;
}

Picture32 ScreenPicture(const RECT& r) {
  DibPicture32 shot(r.right - r.left, r.bottom - r.top);
  {
    ScopedGetDC screen(nullptr);
    DibDrawingContext dc(shot.Bitmap());
    BitBlt(dc.Get(), 0, 0, shot.Width(), shot.Height(), screen.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
  }
  Picture32 opaque(shot.Width(), shot.Height());
  for (int y = 0; y < opaque.Height(); ++y)
    for (int x = 0; x < opaque.Width(); ++x) {
      const Pixel32 p = shot.View().At(x, y);
      opaque.At(x, y) = {p.b, p.g, p.r, 255};
    }
  return opaque;
}
