#include "store/default_settings.h"

#include <variant>

namespace {

constexpr wchar_t kSection[] = L"Default";

using S = TDefaultSettings;
using Field = std::variant<int S::*, bool S::*, Colour S::*, std::uint8_t S::*, std::wstring S::*>;

struct Key {
  const wchar_t* name;
  Field field;
};

// In the order the file is written.
constexpr Key kKeys[] = {
    {L"transparent", &S::transparent},
    {L"LockMove", &S::LockMove},
    {L"Style", &S::Style},
    {L"use_color", &S::use_color},
    {L"Color", &S::Color},
    {L"picture_num", &S::picture_num},
    {L"position", &S::position},
    {L"mouse_look", &S::mouse_look},
    {L"mouse_interval", &S::mouse_interval},
    {L"use_pin", &S::use_pin},
    {L"use_data", &S::use_data},
    {L"text_align", &S::text_align},
    {L"style_text", &S::style_text},
    {L"use_text_shadow", &S::use_text_shadow},
    {L"Fonttext", &S::Fonttext},
    {L"text_sixe", &S::text_sixe},
    {L"colortext", &S::colortext},
    {L"colorShadow", &S::colorShadow},
    {L"_autoPer", &S::_autoPer},
    {L"i_s_t", &S::i_s_t},
    {L"i_s_c", &S::i_s_c},
    {L"Pattern", &S::Pattern},
    {L"random_color", &S::random_color},
    {L"collapce_caption", &S::collapce_caption},
    {L"collapce_text", &S::collapce_text},
};

template <typename... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;  // for compilers without aggregate deduction

}  // namespace

TDefaultSettings ReadDefaultSettings(const ProfileFile& file) {
  S s;
  for (const Key& key : kKeys) {
    const auto readInt = [&](int fallback) { return file.ReadInt(kSection, key.name, fallback); };
    std::visit(Overloaded{
                   [&](int S::*f) { s.*f = readInt(s.*f); },
                   [&](bool S::*f) { s.*f = file.ReadBool(kSection, key.name, s.*f); },
                   [&](Colour S::*f) { s.*f = static_cast<Colour>(readInt(static_cast<int>(s.*f))); },
                   [&](std::uint8_t S::*f) { s.*f = static_cast<std::uint8_t>(readInt(s.*f)); },
                   [&](std::wstring S::*f) { s.*f = file.ReadString(kSection, key.name, s.*f); },
               },
               key.field);
  }
  return s;
}

void WriteDefaultSettings(ProfileFile& file, const TDefaultSettings& settings) {
  S s = settings;
  s.i_s_t = settings.collapce_text;
  s.i_s_c = settings.collapce_caption;
  for (const Key& key : kKeys)
    std::visit(Overloaded{
                   [&](int S::*f) { file.WriteInt(kSection, key.name, s.*f); },
                   [&](bool S::*f) { file.WriteBool(kSection, key.name, s.*f); },
                   [&](Colour S::*f) { file.WriteInt(kSection, key.name, static_cast<int>(s.*f)); },
                   [&](std::uint8_t S::*f) { file.WriteInt(kSection, key.name, s.*f); },
                   [&](std::wstring S::*f) { file.WriteString(kSection, key.name, s.*f); },
               },
               key.field);
}
