#include "store/resource_bitmap_win.h"

#include <span>
#include <vector>

#include "pixels/bmp_reader.h"
#include "pixels/inflate.h"
#include "pixels/picture_scale.h"
#include "pixels/scaled_picture.h"
#include "store/resource_table.h"

namespace {
constexpr wchar_t kResourceType[] = L"RESS";

PictureKind KindOf(const ResourceEntry& entry) {
  if (entry.colourKeyed) return PictureKind::kColourKeyed;
  if (entry.bitsPerPixel == 32) return PictureKind::kAlpha;
  if (entry.bitsPerPixel == 1) return PictureKind::kTwoLevel;
  return PictureKind::kOpaque;
}
}  // namespace

ResourceBitmap LoadResourceBitmap(const std::wstring& name, HMODULE module) {
  ResourceBitmap result;
  if (!module) module = GetModuleHandleW(nullptr);
  // Resource compilers store names in capitals, and the system compares in
  // capitals; upper-casing here as well makes the match independent of both.
  std::wstring upper = name;
  for (wchar_t& c : upper)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  HRSRC found = FindResourceW(module, upper.c_str(), kResourceType);
  if (!found) return result;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = SizeofResource(module, found);
  if (!data) return result;

  result.status = ResourceLoadStatus::kDamaged;
  std::vector<std::uint8_t> buffer(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
  if (!InflateInPlace(buffer)) return result;
  BmpReadResult bmp = ReadBmp(buffer);
  if (!bmp.Ok()) return result;
  result.status = ResourceLoadStatus::kOk;
  result.picture = std::move(bmp.picture);
  result.bitsPerPixel = bmp.bitsPerPixel;
  return result;
}

ResourceBitmap LoadScaledPicture(const std::wstring& name, int dpi, HMODULE module) {
  const std::string narrow(name.begin(), name.end());  // resource names are ASCII
  const PictureScale scale = PictureScaleForDpi(dpi);
  const std::string setName = ScaledResourceName(narrow, scale.set);
  ResourceBitmap loaded = LoadResourceBitmap(std::wstring(setName.begin(), setName.end()), module);
  const ResourceEntry* entry = FindResourceEntry(narrow);
  if (scale.Native() || loaded.status != ResourceLoadStatus::kOk || !entry) return loaded;
  const PictureSize size = ScaledPictureSize(*entry, dpi);
  const int cells = entry->cellWidth > 0 ? entry->width / entry->cellWidth : 1;
  loaded.picture = ResamplePicture(loaded.picture, size.width, size.height, KindOf(*entry), cells);
  return loaded;
}

std::wstring ResourceErrorText(const std::wstring& name, ResourceLoadStatus status) {
  return L"Resource " + name + (status == ResourceLoadStatus::kDamaged ? L" is damaged" : L" not found");
}
