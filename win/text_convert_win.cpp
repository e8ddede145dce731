#include "win/text_convert_win.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), n);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), n, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring WideFromAnsi(std::string_view ansi) { return ToWide(CP_ACP, ansi); }
std::string AnsiFromWide(std::wstring_view wide) { return FromWide(CP_ACP, wide); }
std::wstring WideFromUtf8(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Utf8FromWide(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }

LeadBytes LeadBytesOfCodePage(unsigned codePage) {
  LeadBytes lead;
  CPINFO info{};
  if (!GetCPInfo(codePage, &info)) return lead;
  // Pairs of first and last byte of each range, ended by a zero pair.
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) lead.Add(info.LeadByte[i], info.LeadByte[i + 1]);
  return lead;
}

void UseSystemAnsiCodePage() { SetAnsiLeadBytes(LeadBytesOfCodePage(GetACP())); }
