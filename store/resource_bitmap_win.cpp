#include "store/resource_bitmap_win.h"

#include <span>
#include <vector>

#include "store/bmp_reader.h"
#include "store/inflate.h"

namespace {
constexpr wchar_t kResourceType[] = L"RESS";
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

std::wstring ResourceErrorText(const std::wstring& name, ResourceLoadStatus status) {
  return L"Resource " + name + (status == ResourceLoadStatus::kDamaged ? L" is damaged" : L" not found");
}
