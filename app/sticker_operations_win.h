#pragma once
// The sticker operations of the main window: everything that must reach a
// sticker's window, the manager and base.db together goes through here.
//
// The sticker windows are owned here, one per open sticker, and this is the
// only way to reach one: a record's `window` field names its open window (0
// when it has none), and commands go only to windows found among the open
// ones, never to a handle that may by now be another program's.

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "lang/tmui.h"
#include "sticker/stick_form_win.h"
#include "store/tmassiv.h"

struct StickerOperationsArgs {
  Tmassiv* store;                      // not owned
  ContentSources art;                  // not owned
  const TMUI* texts;                   // not owned
  const MenuGlyphs* glyphs;            // not owned
  HWND mainWindow;                     // not owned
  std::function<bool()> saveDatabase;  // writes base.db, reporting failures
  std::function<void()> postManagerRefresh;
  std::function<void(std::int32_t id, const StickerRecord& record)> openSettings;
  std::function<void(std::int32_t id, const StickerRecord& record)> createShortcut;
};

// Posted to the main window when a sticker window has closed, so that its
// object is freed outside its own window procedure.
inline constexpr UINT kReleaseClosedStickers = WM_APP + 1;

class StickerOperations final : public StickerHost {
 public:
  explicit StickerOperations(StickerOperationsArgs args) : a_(std::move(args)) {}

  void Show(std::int32_t id, bool onlyIfHidden);
  // A sticker from the new-sticker form: its own id, shown centred, and
  // written at once.
  void AddNewSticker(StickerRecord record);
  // Opens a window for every visible record, as base.db has just been read.
  void ShowLoaded();
  void ToggleById(std::int32_t id);
  void ShowAll();
  void HideAll();
  void RedrawAll();
  void BringAllOnScreen();
  // After a change of monitors: windows left wholly outside every monitor
  // come back onto the nearest.
  void BringBackStranded();
  void MakeAllVisible();
  void DeleteAll();
  void ToggleFloating(std::int32_t id);
  // A stacking position chosen in the tray menu: the record carrying it is
  // applied as an edit, which reaches the window and base.db.
  void ChangePosition(std::int32_t id, int position);
  // Brings the sticker's window to the front until it loses the focus.
  void BringToFront(std::int32_t id);
  void SetExpandedQuietly(std::int32_t id, bool expanded);
  // Open windows put the current texts on their menus.
  void RelabelAll();

  // Closes the open window the record names, if it is one of ours.
  void CloseWindow(std::uint32_t storedHandle);
  // Closes every open window at once (the store is about to be reset).
  void CloseAllWindows();
  // Frees the closed windows none of whose handlers is still running.
  void ReleaseClosedWindows();

  std::optional<StickerRecord> StoredRecord(std::int32_t id) const override;
  void SetBounds(std::int32_t id, int left, int top, int width, int height) override;
  void SetStackingPosition(std::int32_t id, int position) override;
  void SetExpanded(std::int32_t id, bool expanded) override;
  void SetFloating(std::int32_t id, bool floating) override;
  void HideFromWindow(std::int32_t id) override;
  void DeleteFromWindow(std::int32_t id) override;
  void Duplicate(std::int32_t id) override;
  void ApplyStickerSettings(std::int32_t id, const StickerRecord& edited) override;
  void OpenSettings(std::int32_t id) override;
  void CreateShortcut(std::int32_t id) override;

 private:
  // `monitors`: the screen as it is now, for windows left outside it.
  bool ShowSlot(int slot, const std::vector<Monitor>& monitors);
  void OnWindowClosed(TStickForm* window);
  StickerRecord* Record(std::int32_t id);
  // The open window of a record, or null.
  TStickForm* OpenWindowOf(const StickerRecord& record) const;
  // Sends or posts a sticker command to every open window.
  void CommandOpenWindows(LPARAM command, WPARAM argument, bool post);

  StickerOperationsArgs a_;
  std::vector<std::unique_ptr<TStickForm>> windows_;  // open
  std::vector<std::unique_ptr<TStickForm>> closed_;   // gone, waiting to be freed
};
