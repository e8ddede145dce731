#pragma once
// The user icons: every picture pack in the "pic\" folder beside the program.

#include <string>
#include <vector>

#include "store/picture_pack.h"
#include "store/tat_bitmap.h"

// The packs of the folder: entries matching "*.*" whose extension, in lower
// case, is ".qpk" and that are files, with full paths, in the order the
// system lists them.
std::vector<std::wstring> FindPicturePacks(const std::wstring& folder);

// Appends the pictures of one pack file within the budget of decoded bytes; a
// missing or unreadable file adds nothing and counts as a pack that ends at once.
PackReadResult LoadPicturePack(const std::wstring& path, TATBitmap& list,
                               std::size_t budgetBytes = kMaxPackDecodedBytes);

// Clears the list, then loads every pack of programFolder + "pic\". A damaged
// pack keeps the pictures read before the damage, and the following packs
// still load, until all of them together reach kMaxAllPacksDecodedBytes.
void LoadPicturePacks(const std::wstring& programFolder, TATBitmap& list);
