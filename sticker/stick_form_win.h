#pragma once
// TStickForm: one layered top-level window per open sticker. Its whole look
// is one 32-bit picture with per-pixel alpha handed to the system; it keeps
// its own copy of the sticker record and reports what the user changes to the
// program through the sticker host.

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "win/handles_win.h"
#include "win/window_base_win.h"
#include "lang/tmui.h"
#include "win/dib_picture_win.h"
#include "win/menu_glyphs_win.h"
#include "sticker/screen_placement.h"
#include "sticker/sticker_host.h"
#include "sticker/sticker_picture_win.h"
#include "sticker/stored_units.h"

inline constexpr wchar_t kStickerWindowClass[] = L"TStickForm";

class TStickForm final : public WindowBase {
 public:
  // onClosed runs once the window is gone, and again when the last of its
  // handlers has returned; the owner frees the object when it is not Busy().
  TStickForm(StickerHost& host, const ContentSources& art, const TMUI& texts, const MenuGlyphs& glyphs, HWND mainWindow,
             std::function<void(TStickForm*)> onClosed);
  ~TStickForm() override;

  // Creates the hidden window, applies the record and gives it its id.
  [[nodiscard]] bool Open(const StickerRecord& record);
  // Moves the window to (left, top), in stored units, and shows it.
  void ShowAt(int left, int top);
  // A place on the screen in the units the files keep.
  ScreenPoint StoredPlace(ScreenPoint screen) const { return Units().StoredPlace(screen); }
  // A window that lies wholly outside every monitor (one no longer connected)
  // is centred on the nearest; the stored position is left as it was.
  void BringBackIfStranded(const std::vector<Monitor>& monitors);
  // Takes a whole record as the window's own copy: what the window owns
  // itself (handle, id, place) stays. Other programs hand one in WM_COPYDATA.
  void Apply(const StickerRecord& record);
  int PictureWidth() const { return composite_.Width(); }
  // The window's handle as the record keeps it; still known once it is gone.
  std::uint32_t StoredHandle() const { return record_.window; }
  int PictureHeight() const { return composite_.Height(); }
  const DisplayScale& Scale() const { return scale_; }
  // The system's scale or the window's monitor may have changed: a window
  // whose scale is no longer the one it was drawn at is drawn anew.
  void FollowScale();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override;
  void OnHandlersReturned() override;

  void ApplySettings(std::span<const std::uint8_t> payload);
  LRESULT OnCopyData(WPARAM selector, const COPYDATASTRUCT& data);
  void TakeDelivery(WPARAM selector, std::span<const std::uint8_t> payload);
  void OnCommand(LPARAM command, WPARAM argument);
  void SendLiveRecord(HWND target);

  void FullRebuild();
  // Drawn anew at the new scale and moved into the rectangle the system
  // suggests, its size following its picture.
  void OnDpiChanged(int dpi, const RECT& suggested);
  StoredUnits Units() const;
  void Redraw();
  // The window's text follows the caption and the text.
  void UpdateTitle();
  void LayeredUpdate(int alpha);
  void Release();

  [[nodiscard]] bool ApplyStackingPosition(int position);
  void StoreStackingPosition(int position);
  void OnWindowPosChanging(WINDOWPOS& position);
  void StayTopmost();
  void BringOnScreen();
  void MoveOnScreen(const std::optional<ScreenPoint>& place);
  ScreenRect WindowRect() const;
  // Keeps the window's place in its copy and in the store.
  void StoreBounds();

  void OnMouseDown(int x, int y, bool right, bool shift);
  void OnMouseMove(int x, int y);
  void OnHideTimer();
  void OnKillFocus();
  void ToggleExpanded();
  void TogglePin();
  void Hide();
  void Delete();

  void ShowMenu(int x, int y);
  void OnMenuCommand(UINT item);
  void CopyText();
  void PasteText();

  StickerHost& host_;
  ContentSources art_;
  const TMUI& texts_;
  const MenuGlyphs& glyphs_;
  HWND mainWindow_;  // not owned
  std::function<void(TStickForm*)> onClosed_;

  StickerRecord record_{};  // places and sizes in stored units
  DisplayScale scale_;
  std::wstring text_;
  std::wstring title_;  // the window's text as last set
  StickerPicture picture_;
  DibPicture32 composite_{0, 0};

  bool focused_ = false;
  bool doubleClickPending_ = false;
  bool clickHandled_ = false;
  bool closing_ = false;
  bool temporarilyTopmost_ = false;
  bool desktopHostMissing_ = false;
  bool lastBottomWasBehindAll_ = false;
  bool hideTimerRunning_ = false;
  bool pointerInside_ = false;
  bool handCursor_ = false;
};
