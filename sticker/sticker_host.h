#pragma once
// What a sticker window asks of the program: the main window's sticker
// operations, which keep the store, the database file and the manager in step
// with the window. Every operation takes the sticker's id; an id the store
// does not hold makes it do nothing.

#include <cstdint>
#include <optional>
#include <string>

#include "store/sticker_record.h"

class StickerHost {
 public:
  // The store's record of the sticker, when it holds one.
  virtual std::optional<StickerRecord> StoredRecord(std::int32_t id) const = 0;
  // Stores the bounds; writes base.db only when left or top changed.
  virtual void SetBounds(std::int32_t id, int left, int top, int width, int height) = 0;
  // Positions 0..3 only; writes base.db.
  virtual void SetStackingPosition(std::int32_t id, int position) = 0;
  virtual void SetExpanded(std::int32_t id, bool expanded) = 0;  // writes base.db
  virtual void SetFloating(std::int32_t id, bool floating) = 0;  // writes base.db
  // Closes the sticker's window, marks the record hidden and writes base.db.
  virtual void Hide(std::int32_t id) = 0;
  // Closes the sticker's window, frees its slot and writes base.db.
  virtual void Delete(std::int32_t id) = 0;
  virtual void Duplicate(std::int32_t id) = 0;
  // Merges the edited record into the store, writes base.db and gives the
  // result to the window.
  virtual void ApplyStickerSettings(std::int32_t id, const StickerRecord& edited) = 0;
  virtual void OpenSettings(std::int32_t id) = 0;
  // Asks for a name and puts a shortcut that opens the sticker on the desktop.
  virtual void CreateShortcut(std::int32_t id) = 0;

 protected:
  ~StickerHost() = default;
};
