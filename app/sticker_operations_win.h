#pragma once
// The sticker operations of the main window: everything that must reach a
// sticker's window, the manager and base.db together goes through here. The
// sticker windows themselves are owned here, one per open sticker.

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "lang/tmui.h"
#include "sticker/stick_form_win.h"
#include "store/tmassiv.h"

struct StickerOperationsArgs {
  Tmassiv* store;                      // not owned
  ContentSources art;                      // not owned
  const TMUI* texts;                   // not owned
  const MenuGlyphs* glyphs;            // not owned
  HWND mainWindow;                     // not owned
  std::function<bool()> saveDatabase;  // writes base.db, reporting failures
  std::function<void()> postManagerRefresh;
};

// Posted to the main window when a sticker window has closed, so that its
// object is freed outside its own window procedure.
inline constexpr UINT kReleaseClosedStickers = WM_APP + 1;

class StickerOperations final : public StickerHost {
 public:
  explicit StickerOperations(StickerOperationsArgs args) : a_(std::move(args)) {}

  void Show(std::int32_t id, bool onlyIfHidden);
  // Opens a window for every visible record, as base.db has just been read.
  void ShowLoaded();
  void ToggleById(std::int32_t id);
  void ShowAll();
  void HideAll();
  void RedrawAll();
  void BringAllOnScreen();
  void MakeAllVisible();
  void DeleteAll();
  void ToggleFloating(std::int32_t id);
  void SetExpandedQuietly(std::int32_t id, bool expanded);
  void ReleaseClosedWindows() { closed_.clear(); }

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

 private:
  void ShowSlot(int slot);
  void OnWindowClosed(TStickForm* window);
  StickerRecord* Record(std::int32_t id);
  // Posts or sends a sticker command to every used slot's window.
  void ForEachWindow(bool visibleOnly, const std::function<void(HWND)>& act);

  StickerOperationsArgs a_;
  std::vector<std::unique_ptr<TStickForm>> windows_;
  std::vector<std::unique_ptr<TStickForm>> closed_;
};
