#pragma once
// Reading and writing base.db; failures show the standard error boxes and
// leave the store as it was.

#include <cstdint>
#include <string>

#include "store/tmassiv.h"

// Returns false when the file could not be written (the error was shown).
bool WriteStickerDatabase(const std::wstring& path, const Tmassiv& store);

// A missing file loads nothing and says nothing.
void ReadStickerDatabase(const std::wstring& path, Tmassiv& store, std::int32_t& startStickerId);
