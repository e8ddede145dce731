#include "store/conflict_names.h"

#include <algorithm>
#include <cwctype>
#include <string>

namespace {

constexpr std::wstring_view kExtension = L".db";
constexpr std::wstring_view kSyncConflict = L".sync-conflict-";
constexpr std::wstring_view kConflict = L"conflict";

struct Stem {
  std::wstring_view name;
  DataFileKind kind;
};
constexpr Stem kStems[] = {{L"base", DataFileKind::kStickers}, {L"plan", DataFileKind::kTasks}};

std::wstring Lower(std::wstring_view text) {
  std::wstring lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return lower;
}

bool NoDot(std::wstring_view tag) { return !tag.empty() && tag.find(L'.') == std::wstring_view::npos; }

bool AllDigits(std::wstring_view tag) {
  return !tag.empty() && std::all_of(tag.begin(), tag.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// What a sync tool put between the file's stem and its extension.
bool IsConflictTag(std::wstring_view middle) {
  if (middle.starts_with(kSyncConflict)) return NoDot(middle.substr(kSyncConflict.size()));
  if (middle.starts_with(L'-')) return NoDot(middle.substr(1));
  if (middle.starts_with(L" (") && middle.ends_with(L')')) {
    const std::wstring_view tag = middle.substr(2, middle.size() - 3);
    return AllDigits(tag) || tag.find(kConflict) != std::wstring_view::npos;
  }
  return false;
}

}  // namespace

std::optional<DataFileKind> ConflictCopyOf(std::wstring_view name) {
  const std::wstring lower = Lower(name);
  const std::wstring_view view = lower;
  if (!view.ends_with(kExtension)) return std::nullopt;
  const std::wstring_view inner = view.substr(0, view.size() - kExtension.size());
  for (const Stem& stem : kStems)
    if (inner.starts_with(stem.name) && IsConflictTag(inner.substr(stem.name.size()))) return stem.kind;
  return std::nullopt;
}
