#pragma once
// The eighteen skin styles: which frame builder draws each, from which skin
// template, with which arguments, and the groups of styles the layout and the
// windows treat alike.

#include <array>
#include <string_view>

#include "store/sticker_record.h"


enum class FrameBuilder { kTemplate, kWindow, kIcon };

// The cut of a template frame: 0 Flat (with its separator), 1 standard,
// 2 Narrow, 3 Modern and List.
enum class TemplateVariant { kFlat = 0, kStandard = 1, kNarrow = 2, kNotepad = 3 };

// The eleven numbers of a window frame: the smallest frame, four offsets the
// templates do not use, the border widths around the title rectangle, and a
// last number kept with the table.
struct WindowMetrics {
  int minWidth, minHeight;
  int unused[4];
  int top, left, bottom, right;
  int last;
};

struct SkinStyle {
  FrameBuilder builder;
  std::string_view colourName;  // template resource
  std::string_view maskName;    // its mask
  int kind;                     // template and icon frames
  TemplateVariant variant;      // template frames
  WindowMetrics metrics;        // window frames
  bool clearFrame;              // style 16: text only, on a transparent ground
};

// The entry of a style index; an index outside 0..17 gives style 5 (Panel).
const SkinStyle& Style(int style);

inline constexpr int kDefaultStyle = kStylePanel;
inline constexpr int kModernKind = 9;

// Vista Glass to Ice white: a title line beside a large icon.
constexpr bool IsIconTitleStyle(int style) { return style >= kStyleVistaGlass && style <= kStyleIceWhite; }
// Styles whose text stands in a title line beside the icon: no caption and no
// date line, collapsed to the icon, pin only while focused.
constexpr bool IsTitleBarStyle(int style) { return style == kStyleClassic || IsIconTitleStyle(style); }
// Modern and List: one text area laid out as a notepad, pin lower down.
constexpr bool IsNotepadStyle(int style) { return style == kStyleModern || style == kStyleList; }
// Everything else draws a caption line, an optional date line and the body.
constexpr bool HasCaptionLine(int style) { return !IsTitleBarStyle(style) && !IsNotepadStyle(style); }
constexpr bool IsTemplateStyle(int style) { return !IsTitleBarStyle(style); }
