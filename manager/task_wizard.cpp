#include "manager/task_wizard.h"

#include <algorithm>
#include <cmath>

#include "text/ansi_boundary.h"

namespace {
constexpr std::size_t kStickerTextShown = 32;
}  // namespace

WizardRoute RouteForAction(int action) {
  WizardRoute route;
  route.enabled.fill(true);
  const bool sticker = action <= kTaskStickerBalloon;
  route.enabled[sticker ? kPageMessage : kPageSticker] = false;
  route.last[sticker ? kPageSticker : kPageTaskName] = true;
  return route;
}

void SetHourly(WizardRoute& route, bool hourly) { route.enabled[kPageTime] = !hourly; }

int NextPage(const WizardRoute& route, int page) {
  do ++page;
  while (page < kWizardPageCount - 1 && !route.enabled[static_cast<std::size_t>(page)]);
  return std::min(page, kWizardPageCount - 1);
}

int PreviousPage(const WizardRoute& route, int page) {
  do --page;
  while (page > 0 && !route.enabled[static_cast<std::size_t>(page)]);
  return std::max(page, 0);
}

bool IsStickerRoute(const WizardRoute& route) { return route.last[kPageSticker]; }

std::wstring DefaultTaskName(const std::vector<std::wstring>& usedNames, std::wstring_view base) {
  const auto used = [&](const std::wstring& name) {
    return std::find(usedNames.begin(), usedNames.end(), name) != usedNames.end();
  };
  std::wstring name(base);
  for (int n = 1; used(name); ++n) name = std::wstring(base) + L" (" + std::to_wstring(n) + L")";
  return name;
}

std::vector<WizardSticker> WizardStickers(const Tmassiv& store) {
  std::vector<WizardSticker> stickers;
  for (int slot = 0; slot < kStickerSlotCount; ++slot) {
    const StickerRecord& r = store.Sticker(slot);
    if (!r.in_use) continue;
    const std::string number = "(" + std::to_string(stickers.size() + 1) + ") ";
    stickers.push_back({r.id, number + std::string(FittingStart(GetStickerText(r), kStickerTextShown))});
  }
  return stickers;
}

void ApplyWizardChoices(const WizardChoices& c, TaskRecord& task) {
  if (!IsKnownTaskKind(task.kind)) return;
  task.action = static_cast<std::uint8_t>(c.action.value_or(kTaskShowSticker));
  if (c.chosenTime)
    task.kind = c.daily ? kTaskDaily : kTaskOnce;
  else if (c.hourly)
    task.kind = kTaskHourly;
  task.date_time = std::fabs(c.timeOfDay - std::trunc(c.timeOfDay)) + std::trunc(c.date);
  task.active = c.blocked ? 0 : 1;
  task.auto_block = c.autoBlock ? 1 : 0;
  task.follow_up = task.date_time + kFollowUpDays;
  task.auto_delete = c.autoDelete ? 1 : 0;
  task.name.Assign(c.stickerRoute ? c.stickerPageName : c.namePageName);
  task.message.Assign(c.message);
  task.sticker_id = c.stickerId.value_or(kNoTaskSticker);
}
