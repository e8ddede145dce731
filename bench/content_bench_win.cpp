// Speed of a sticker's picture from its record: a full rebuild (measuring,
// icon, frame) and a redraw (frame copy, tint, caption, body text, date and
// icon), for a typical note, a calendar and the largest picture there can be. The
// skins come from the built Quillory.exe in the Quillory folder beside this
// program.

#include <windows.h>

#include <cstdio>
#include <string>

#include "sticker/sticker_content_win.h"
#include "store/skin_bitmaps.h"
#include "store/skin_bitmaps_win.h"
#include "win_bench_registry_win.h"

namespace {

std::wstring ProgramBesideThis() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.rfind(L'\\') + 1);
  return folder + L"Quillory\\Quillory.exe";
}

struct Figures {
  double full, redraw;
};

Figures Time(const StickerRecord& record, const ContentSources& sources, int runs, int& width, int& height) {
  const std::wstring text = BodyTextOf(record);
  StickerPictures pictures;
  Picture32 composite;
  const auto draw = [&] {
    ComposeSticker(record, text, pictures, composite);
    PlaceIcon(record, pictures, composite);
  };
  RebuildSticker(record, text, sources, pictures);  // fonts and caches warm
  draw();
  width = composite.Width();
  height = composite.Height();
  const double full = MicrosecondsPerRun(runs, [&] {
    RebuildSticker(record, text, sources, pictures);
    draw();
  });
  const double redraw = MicrosecondsPerRun(runs, draw);
  return {full / 1000, redraw / 1000};
}

void RunContentBenchmarks() {
  HMODULE program = LoadLibraryExW(ProgramBesideThis().c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  SkinBitmaps first;
  if (!program || !LoadSkinBitmaps(first, kDefaultDpi, program).empty()) {
    std::fprintf(stderr, "content benchmarks need the built Quillory.exe and its skins\n");
    return;
  }
  ScaledSkins skins(SkinLoader(program));
  skins.Put(kDefaultDpi, std::move(first));
  const ContentSources sources{&skins, nullptr, program};

  // A note of five lines on the 239-pixel template, caption, date and icon.
  StickerRecord typical = NewStickerRecord(0x5ACDF0);
  typical.caption.line_text.Assign("Errands");
  typical.date_line.line_text.Assign("12.03.24");
  typical.icon = 3;
  SetStickerText(typical,
                 "Call the plumber about the kitchen tap before Friday.\r\n"
                 "Pick up the parcel at the post office; the slip is in the blue folder by the door.");
  // Lines wider and more than fit: the largest content, 1024 x 786, within
  // the record's 2048 characters.
  StickerRecord largest = typical;
  largest.word_wrap = 0;
  std::string text;
  for (int i = 0; i < 3; ++i) text += std::string(130, 'M') + "\r\n";
  for (int i = 0; i < 62; ++i) text += "Line " + std::to_string(i) + " more\r\n";
  SetStickerText(largest, text);

  int w = 0, h = 0;
  const Figures small = Time(typical, sources, 200, w, h);
  std::fprintf(stderr, "typical sticker: %d x %d\n", w, h);
  Report("content_typical_full_rebuild", small.full, "ms");
  Report("content_typical_redraw", small.redraw, "ms");
  // The same note at 150 % and 200 %, timed in this run so that the ratios
  // to 100 % compare like with like.
  const auto atDpi = [&sources](int dpi) {
    ContentSources scaled = sources;
    scaled.dpi = dpi;
    return scaled;
  };
  const Figures at150 = Time(typical, atDpi(144), 200, w, h);
  std::fprintf(stderr, "typical sticker at 150 %%: %d x %d\n", w, h);
  const Figures at200 = Time(typical, atDpi(192), 200, w, h);
  std::fprintf(stderr, "typical sticker at 200 %%: %d x %d\n", w, h);
  Report("typical_sticker_redraw_150pct_to_100pct", at150.redraw / small.redraw, "ratio");
  Report("typical_sticker_redraw_200pct_to_100pct", at200.redraw / small.redraw, "ratio");
  Report("typical_sticker_full_rebuild_200pct_to_100pct", at200.full / small.full, "ratio");
  const Figures large = Time(largest, sources, 20, w, h);
  std::fprintf(stderr, "largest sticker: %d x %d\n", w, h);
  Report("content_largest_full_rebuild", large.full, "ms");
  Report("content_largest_redraw", large.redraw, "ms");
  // A calendar with every flag: title, week-day names, today ringed and
  // underlined, down the side.
  StickerRecord calendar = typical;
  SetStickerText(calendar, "[n/wmcuv]");
  const Figures month = Time(calendar, sources, 200, w, h);
  std::fprintf(stderr, "calendar sticker: %d x %d\n", w, h);
  Report("content_calendar_full_rebuild", month.full, "ms");
  Report("content_calendar_redraw", month.redraw, "ms");
  FreeLibrary(program);
}

const WinBenchRegistration registration(&RunContentBenchmarks);

}  // namespace
