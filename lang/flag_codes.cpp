#include "lang/flag_codes.h"

#include <cstddef>

namespace {

// The flag strip's pictures in order, one two-letter code each, a space
// between codes. "tg" stands twice; only its first place is ever found.
constexpr std::wstring_view kFlagCodes =
    L"ad ae af ag ai al am an ao aq ar as at au aw az "
    L"ba bb bd be bf bg bh bi bj bm bn bo br bs bt bv bw by bz "
    L"ca cc cd cf cg ch ci ck cl cm cn co cr cs cu cv cx cy cz "
    L"de dj dk dm do dz ec ee eg eh er es et eu "
    L"fi fj fk fm fo fr ga gd ge gh gi gl gm gn gq gr gs gt gu gw gy "
    L"hk hm hh hr ht hu id ie il in io iq ir is it "
    L"jm jo jp ke kg kh ki km kn kp kr kw ky kz "
    L"la lb lc li lk lr ls lt lu lv ly "
    L"ma mc md mg mh mk ml mm mn mo mp mr ms mt mu mv mw mx my mz "
    L"na ne nf ng ni no np nr nu nz om "
    L"pa pe pf pg ph pk pl pn pr ps pt pw py "
    L"qa ro ru rw sa sb sc sd se sg sh si sj sk sl sm sn so sr st sv sy sz "
    L"tc td tg th tg tk tl tm tn to tr tt tv tw tz "
    L"ua ug uk us uy uz va vc ve vg vi vn vu ws ye yu za zm zw";
constexpr std::size_t kCodeLength = 2;
constexpr std::size_t kCodeStride = kCodeLength + 1;
constexpr std::size_t kFlagCount = 230;
static_assert(kFlagCodes.size() == kFlagCount * kCodeStride - 1);

wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

}  // namespace

int FlagIndex(std::wstring_view code) {
  if (code.size() != kCodeLength) return kNoFlag;
  const wchar_t first = LowerAscii(code[0]), second = LowerAscii(code[1]);
  if (first < L'a' || first > L'z') return kNoFlag;
  for (std::size_t i = 0; i < kFlagCount; ++i) {
    const std::size_t at = i * kCodeStride;
    if (kFlagCodes[at] == first && kFlagCodes[at + 1] == second) return static_cast<int>(i);
  }
  return kNoFlag;
}
