#pragma once
// The program's pictures: "RESS" resources holding a zlib-compressed BMP file.

#include <windows.h>

#include <string>

#include "pixels/picture.h"

enum class ResourceLoadStatus { kOk, kNotFound, kDamaged };

struct ResourceBitmap {
  ResourceLoadStatus status = ResourceLoadStatus::kNotFound;
  Picture32 picture;     // 32 bits; opaque unless the BMP has 32 bits
  int bitsPerPixel = 0;  // of the BMP inside the resource
};

// Loads the "RESS" resource of that name, matched without regard to case,
// from the module (the program itself when none is given).
[[nodiscard]] ResourceBitmap LoadResourceBitmap(const std::wstring& name, HMODULE module = nullptr);

// The picture of a resource-table name (the 100 % name, "BITMAP_3") for a
// display scale: the set drawn for that DPI, or the next larger set
// resampled to the size the table gives at that DPI.
[[nodiscard]] ResourceBitmap LoadScaledPicture(const std::wstring& name, int dpi, HMODULE module = nullptr);

// "Resource NAME not found", or for a resource that does not inflate or
// decode, "Resource NAME is damaged".
std::wstring ResourceErrorText(const std::wstring& name, ResourceLoadStatus status);
