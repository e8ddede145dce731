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
  // result to the window. What it changed can be undone.
  virtual void ApplyStickerSettings(std::int32_t id, const StickerRecord& edited) = 0;
  // The window took a record, or part of one, from another program: what it
  // changed from `before` to `after` can be undone.
  virtual void NoteDelivered(std::int32_t id, const StickerRecord& before, const StickerRecord& after) = 0;
  // Whether the sticker has a change to take back.
  virtual bool CanUndo(std::int32_t id) const = 0;
  // Brings back the text and look the sticker had before its last change by
  // an edit, a paste or a delivered record; writes base.db. One step only.
  virtual void Undo(std::int32_t id) = 0;
  virtual void OpenSettings(std::int32_t id) = 0;
  // Asks for a name and puts a shortcut that opens the sticker on the desktop.
  virtual void CreateShortcut(std::int32_t id) = 0;

 protected:
  ~StickerHost() = default;
};
