#pragma once
// default_settings.txt in the data folder: what a new sticker starts with, as
// the settings dialog's "default" page edits it. The key names (spelling
// included) are a file format; each field is named after its key.

#include <cstdint>
#include <string>

#include "pixels/colour.h"
#include "store/profile.h"

inline constexpr wchar_t kDefaultSettingsFile[] = L"default_settings.txt";

struct TDefaultSettings {
  int transparent = 255;
  bool LockMove = false;
  int Style = 5;
  bool use_color = true;
  Colour Color = 0xFFFFFF;
  int picture_num = 0;
  int position = 0;
  bool mouse_look = false;
  int mouse_interval = 2000;
  bool use_pin = true;
  bool use_data = false;
  std::uint8_t text_align = 0;
  std::uint8_t style_text = 0;
  bool use_text_shadow = true;
  std::wstring Fonttext = L"Tahoma";
  int text_sixe = 8;
  Colour colortext = 0xFFFFFF;
  Colour colorShadow = 0;
  bool _autoPer = true;
  // i_s_t / collapce_text and i_s_c / collapce_caption are the same panel
  // states under two keys; the writer takes collapce_text and collapce_caption.
  bool i_s_t = true;
  bool i_s_c = true;
  std::wstring Pattern;
  bool random_color = false;
  bool collapce_caption = true;
  bool collapce_text = true;
  bool operator==(const TDefaultSettings&) const = default;
};

// Section "Default". A missing key or a value that is not a number gives the
// field's default; byte fields keep the low eight bits of what is stored.
TDefaultSettings ReadDefaultSettings(const ProfileFile& file);

// All 25 keys in the order of the fields; booleans "1"/"0", colours in decimal.
void WriteDefaultSettings(ProfileFile& file, const TDefaultSettings& settings);
