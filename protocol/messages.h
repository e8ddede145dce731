#pragma once
// Private window messages between the program's windows and other instances.
// lParam carries the command, wParam its argument. The numbers are a protocol.

#include <cstdint>

inline constexpr unsigned WM_STICKER_COMMAND = 3529;
inline constexpr unsigned WM_INSTANCE_COMMAND = 3530;
inline constexpr unsigned WM_MANAGER_REFRESH = 3531;
inline constexpr unsigned WM_WIZARD_TEXTS = 3532;

// Commands of WM_INSTANCE_COMMAND (lParam).
enum InstanceCommandCode : std::int32_t {
  kInstanceToggleSticker = 1000,
  kInstanceNewStickerBareStart = 1001,
  kInstanceHideAll = 1002,
  kInstanceShowAll = 1003,
  kInstanceNewSticker = 1004,
  kInstanceRedrawAll = 1005,
  kInstanceShowManager = 1006,
};

// Commands of WM_USER to the main window (low word of lParam).
enum UserCommandCode : std::uint16_t {
  kUserCountStickers = 10,
  kUserNewSticker = 11,
  kUserHotKey = 12,
  kUserSaveDatabase = 14,
  kUserVersionProbe = 1400,
};
inline constexpr std::intptr_t kVersionProbeAnswer = 150;
// The two arguments of kUserNewSticker that open the new-sticker form.
inline constexpr std::uintptr_t kUserNewStickerArgument = 101, kUserNewStickerOtherArgument = 102;

// Commands of WM_STICKER_COMMAND (lParam) to a sticker window.
enum StickerCommandCode : std::int32_t {
  kStickerCommandBringOnScreen = 25,
  kStickerCommandMakeVisible = 26,
  kStickerCommandEndTemporarilyTopmost = 97,
  kStickerCommandTemporarilyTopmost = 98,
  kStickerCommandRedraw = 99,
  kStickerCommandRebuild = 100,
  kStickerCommandSendLiveRecord = 101,  // wParam: the window to send the record to
  kStickerCommandRelabel = 102,
  kStickerCommandClose = 103,
  kStickerCommandFloating = 200,  // wParam: kFloatingOn or kFloatingOff
};
inline constexpr std::uintptr_t kFloatingOn = 0, kFloatingOff = 1;
// WM_COPYDATA of a whole record to a sticker window: wParam and dwData.
inline constexpr std::uintptr_t kRecordDeliveryTag = 445;
inline constexpr std::uintptr_t kRecordDeliveryData = 1;
// WM_MANAGER_REFRESH lParam: refresh the sticker list; or set the texts again
// and refresh both lists.
inline constexpr std::int32_t kManagerRefreshStickers = 1;
inline constexpr std::int32_t kManagerRefreshTexts = 2;
