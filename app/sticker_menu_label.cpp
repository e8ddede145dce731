#include "app/sticker_menu_label.h"

#include <algorithm>

std::wstring StickerMenuLabel(std::wstring_view text) {
  const std::size_t lineBreak = std::min(text.find(L'\r'), text.find(L'\n'));
  const std::size_t length = std::min({lineBreak, kMenuLabelLength, text.size()});
  std::wstring label(text.substr(0, length));
  if (length < text.size()) label += L"...";
  return label;
}
