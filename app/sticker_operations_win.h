#pragma once
// The sticker operations: the one place that changes a sticker or the set.
// The tray, the manager, the scheduler, later starts, hot keys and the sticker
// windows themselves all come here, so a change means the same whichever way
// the user asked for it.
//
// Every change a user would expect to find after a restart is written to
// base.db when it happens, and every change the manager lists refreshes it;
// a burst (hide all over 256 stickers) is one write and one refresh.
//
// The sticker windows are owned here, one per open sticker, and this is the
// only way to reach one: a record's `window` field names its open window (0
// when it has none), and commands go only to windows found among the open
// ones, never to a handle that may by now be another program's.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "lang/tmui.h"
#include "store/database_merge.h"
#include "sticker/stick_form_win.h"
#include "store/tmassiv.h"

struct StickerOperationsArgs {
  Tmassiv* store;                      // not owned
  ContentSources art;                  // not owned
  const TMUI* texts;                   // not owned
  const MenuGlyphs* glyphs;            // not owned
  HWND mainWindow;                     // not owned
  std::function<bool()> saveDatabase;  // writes base.db, reporting failures
  std::function<void()> refreshManager;
  std::function<void()> reportStoreFull;
  std::function<void(std::int32_t id, const StickerRecord& record)> openSettings;
  std::function<void(std::int32_t id, const StickerRecord& record)> createShortcut;
};

// Posted to the main window when a sticker window has closed, so that its
// object is freed outside its own window procedure.
inline constexpr UINT kReleaseClosedStickers = WM_APP + 1;

class StickerOperations final : public StickerHost {
 public:
  explicit StickerOperations(StickerOperationsArgs args) : a_(std::move(args)) {}

  // Opens every visible record's window, as base.db has just been read; the
  // file already says what the store holds.
  void ShowLoaded();
  // Whether a new sticker would find a free slot; says so when not.
  bool HasRoomOrSays();
  // A sticker from the new-sticker form: its own id, shown centred.
  void AddNewSticker(StickerRecord record);

  // Shows a hidden sticker; nothing for one already shown.
  void Show(std::int32_t id);
  void ToggleById(std::int32_t id);
  void ShowAll();
  void HideAll();
  void DeleteAll();
  void ToggleFloating(std::int32_t id);
  // A stacking position chosen in the tray menu, applied as an edit.
  void ChangePosition(std::int32_t id, int position);
  // Stickers nearly transparent become opaque, in the store too.
  void MakeAllVisible();
  // Stickers showing less than a corner come onto the screen, and stay there.
  void BringAllOnScreen();

  // What changes no record: windows redrawn, raised or relabelled.
  void RedrawAll();
  // After a change of monitors: windows left wholly outside every monitor
  // come back onto the nearest; their stored places are kept.
  void BringBackStranded();
  // Each window whose monitor's scale changed is drawn anew at the new one.
  void FollowScale();
  // Brings the sticker's window to the front until it loses the focus.
  void BringToFront(std::int32_t id);
  // Open windows put the current texts on their menus.
  void RelabelAll();
  // Closes every window and opens the visible records' again, as after a
  // restart of the shell; the store stays as it is.
  void ReopenAll();
  // Another computer's changes have been merged into the store: the windows
  // of deleted stickers close, changed ones open again as they are now, new
  // visible ones open, and the manager is refreshed. Nothing is written: the
  // store now holds what the file holds, or is about to be written.
  void ShowMerged(const StickerMergeReport& report);
  // Frees the closed windows none of whose handlers is still running.
  void ReleaseClosedWindows();

  // StickerHost: what the sticker windows, the manager and the scheduler ask.
  std::optional<StickerRecord> StoredRecord(std::int32_t id) const override;
  void SetBounds(std::int32_t id, int left, int top, int width, int height) override;
  void SetStackingPosition(std::int32_t id, int position) override;
  void SetExpanded(std::int32_t id, bool expanded) override;
  void SetFloating(std::int32_t id, bool floating) override;
  void Hide(std::int32_t id) override;
  void Delete(std::int32_t id) override;
  void Duplicate(std::int32_t id) override;
  void ApplyStickerSettings(std::int32_t id, const StickerRecord& edited) override;
  void NoteDelivered(std::int32_t id, const StickerRecord& before, const StickerRecord& after) override;
  bool CanUndo(std::int32_t id) const override;
  void Undo(std::int32_t id) override;
  void OpenSettings(std::int32_t id) override;
  void CreateShortcut(std::int32_t id) override;

 private:
  // What a change touched, and so what follows it.
  enum Effect : unsigned {
    kStored = 1,  // a user would look for it after a restart: base.db is written
    kListed = 2,  // the manager shows it: the manager is refreshed
  };
  // Every change runs inside one; the write and the refresh come once, when
  // the outermost change ends, however many records it touched.
  class Change {
   public:
    explicit Change(StickerOperations& operations) : operations_(operations) { ++operations_.depth_; }
    ~Change();
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;
    void Made(unsigned effects) { operations_.pending_ |= effects; }

   private:
    StickerOperations& operations_;
  };

  // One change of a sticker's text and look, as it can be taken back.
  struct UndoStep {
    StickerRecord before;
    StickerRecord after;
  };

  // The edited record merged into the stored one, which goes to its window.
  void MergeEdit(std::int32_t id, const StickerRecord& edited, bool undoable);
  // Keeps the change as the sticker's one step back, if it changed text or look.
  void NoteStep(std::int32_t id, const StickerRecord& before, const StickerRecord& after);
  // `monitors`: the screen as it is now, for windows left outside it.
  bool ShowSlot(int slot, const std::vector<Monitor>& monitors);
  // Closes the record's window, if it has one, and marks it hidden.
  void HideRecord(StickerRecord& record);
  bool AddShown(const StickerRecord& record);
  void OnWindowClosed(TStickForm* window);
  StickerRecord* Record(std::int32_t id);
  // The open window of a record, or null.
  TStickForm* OpenWindowOf(const StickerRecord& record) const;
  void CloseWindowOf(const StickerRecord& record);
  // Sends or posts a sticker command to every open window.
  void CommandOpenWindows(LPARAM command, WPARAM argument, bool post);

  StickerOperationsArgs a_;
  std::vector<std::unique_ptr<TStickForm>> windows_;  // open
  std::vector<std::unique_ptr<TStickForm>> closed_;   // gone, waiting to be freed
  // The last change of each sticker that has one, for as long as the program
  // runs: a sticker hidden and shown again keeps it.
  std::map<std::int32_t, UndoStep> undo_;
  int depth_ = 0;
  unsigned pending_ = 0;
};
