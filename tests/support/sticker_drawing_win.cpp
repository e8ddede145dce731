#include "support/sticker_drawing_win.h"

StickerRecord NoteRecord(int style, std::string_view text, std::string_view caption, std::string_view date, Colour colour) {
  StickerRecord r = NewStickerRecord(colour);
  r.style = static_cast<std::uint16_t>(style);
  r.caption.line_text.Assign(caption);
  r.date_line.line_text.Assign(date);
  SetStickerText(r, text);
  return r;
}

DrawnSticker DrawSticker(const StickerRecord& record, const TATBitmap* userIcons, const DisplayScale& scale) {
  DrawnSticker drawn;
  const std::wstring text = BodyTextOf(record);
  RebuildSticker(record, text, BuiltArtwork::Get().Sources(userIcons, scale.Dpi()), drawn.pictures);
  ComposeSticker(record, text, drawn.pictures, drawn.composite);
  drawn.addedRows = PlaceIcon(record, drawn.pictures, drawn.composite);
  return drawn;
}

Picture32 SolidIcon(int width, int height, Pixel32 colour) {
  Picture32 icon(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) icon.At(x, y) = colour;
  return icon;
}

Picture32 ScaledIcon(const Picture32& icon, int width, int height) {
  Picture32 scaled(width, height);
  if (icon.Width() == 0 || icon.Height() == 0) return scaled;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) scaled.At(x, y) = icon.At(x * icon.Width() / width, y * icon.Height() / height);
  return scaled;
}
