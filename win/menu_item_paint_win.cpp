#include "win/menu_item_paint_win.h"

#include <algorithm>

#include "win/display_dpi_win.h"
#include "win/handles_win.h"

namespace {

constexpr int kCaptionRightMargin = 8;
constexpr int kEmptyBoxDarkening = 45, kOutlineDarkening = 60;

COLORREF Darkened(COLORREF c, int by) {
  const auto down = [by](int v) { return std::max(0, v - by); };
  return RGB(down(GetRValue(c)), down(GetGValue(c)), down(GetBValue(c)));
}

COLORREF Lightened(COLORREF c, int percent) {
  const auto up = [percent](int v) { return v + (255 - v) * percent / 100; };
  return RGB(up(GetRValue(c)), up(GetGValue(c)), up(GetBValue(c)));
}

TRIVERTEX Vertex(int x, int y, COLORREF c) {
  return {x, y, static_cast<COLOR16>(GetRValue(c) << 8), static_cast<COLOR16>(GetGValue(c) << 8),
          static_cast<COLOR16>(GetBValue(c) << 8), 0};
}

// A gradient from the lighter to the darker colour, framed by rounded corners.
void DrawCheckedGround(HDC dc, const RECT& r, COLORREF ground, const MenuItemLook& look) {
  TRIVERTEX vertices[2] = {Vertex(r.left, r.top, Lightened(ground, look.lightenPercent)),
                           Vertex(r.right, r.bottom, Darkened(ground, look.darkenBy))};
  GRADIENT_RECT rect{0, 1};
  GdiGradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
  const UniquePen pen(CreatePen(PS_SOLID, 1, Darkened(GetSysColor(COLOR_MENU), kOutlineDarkening)));
  const ScopedSelectObject penSelection(dc, pen.Get());
  const ScopedSelectObject brushSelection(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, r.left, r.top, r.right, r.bottom, 4, 4);
}

// Faded: drawn on the item's ground first, then laid over it at part opacity.
void DrawPicture(HDC dc, HIMAGELIST pictures, int picture, POINT at, COLORREF ground, BYTE opacity) {
  if (opacity == 255) {
    ImageList_Draw(pictures, picture, dc, at.x, at.y, ILD_TRANSPARENT);
    return;
  }
  int width = 0, height = 0;
  ImageList_GetIconSize(pictures, &width, &height);
  const UniqueMemoryDc memory(CreateCompatibleDC(dc));
  const UniqueBitmap bitmap(CreateCompatibleBitmap(dc, width, height));
  const ScopedSelectObject selection(memory.Get(), bitmap.Get());
  const UniqueBrush brush(CreateSolidBrush(ground));
  const RECT all{0, 0, width, height};
  FillRect(memory.Get(), &all, brush.Get());
  ImageList_Draw(pictures, picture, memory.Get(), 0, 0, ILD_TRANSPARENT);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, 0};
  GdiAlphaBlend(dc, at.x, at.y, width, height, memory.Get(), 0, 0, width, height, blend);
}

}  // namespace

void MeasureMenuItem(MEASUREITEMSTRUCT& item, const MenuItemLook& look, std::wstring_view caption,
                     const DisplayScale& scale) {
  const LOGFONTW menuFont = MenuFontAt(scale);
  const UniqueFont font(CreateFontIndirectW(&menuFont));
  const ScopedGetDC dc(nullptr);
  const ScopedSelectObject selection(dc.Get(), font.Get());
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), caption.data(), static_cast<int>(caption.size()), &size);
  item.itemWidth = static_cast<UINT>(scale.Px(look.captionLeft + kCaptionRightMargin) + size.cx);
  item.itemHeight = static_cast<UINT>(scale.Px(look.height));
}

void DrawMenuItem(const DRAWITEMSTRUCT& d, const MenuItemLook& look, HIMAGELIST pictures, int picture,
                  std::wstring_view caption, const DisplayScale& scale) {
  const bool selected = (d.itemState & ODS_SELECTED) != 0, checked = (d.itemState & ODS_CHECKED) != 0;
  const COLORREF ground = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
  const UniqueBrush groundBrush(CreateSolidBrush(ground));
  FillRect(d.hDC, &d.rcItem, groundBrush.Get());
  if (checked) DrawCheckedGround(d.hDC, d.rcItem, ground, look);
  const int boxWidth = scale.Px(look.boxWidth), boxHeight = scale.Px(look.boxHeight);
  const POINT box{d.rcItem.left + scale.Px(look.pictureLeft), d.rcItem.top + (d.rcItem.bottom - d.rcItem.top - boxHeight) / 2};
  if (picture != kNoPicture) {
    int width = 0, height = 0;
    ImageList_GetIconSize(pictures, &width, &height);
    const POINT at{box.x + (boxWidth - width) / 2, box.y + (boxHeight - height) / 2};
    DrawPicture(d.hDC, pictures, picture, at, checked ? Lightened(ground, look.lightenPercent) : ground,
                checked ? 255 : look.fadedOpacity);
  } else if (checked) {
    const UniqueBrush fill(CreateSolidBrush(Darkened(GetSysColor(COLOR_MENU), kEmptyBoxDarkening)));
    const RECT r{box.x, box.y, box.x + boxWidth, box.y + boxHeight};
    FillRect(d.hDC, &r, fill.Get());
  }
  SetBkMode(d.hDC, TRANSPARENT);
  SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text = d.rcItem;
  text.left += scale.Px(look.captionLeft);
  DrawTextW(d.hDC, caption.data(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
