#pragma once
// The task wizard's logic: which pages a task's action and event type lead
// through, moving back and forth along them, the name proposed for a new
// task, the stickers offered, and the task the choices make.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/tmassiv.h"

inline constexpr int kWizardPageCount = 7;
enum WizardPage : int {
  kPageAction = 0, kPageEvent, kPageTime, kPageMessage, kPageOptions, kPageSticker, kPageTaskName,
};

struct WizardRoute {
  std::array<bool, kWizardPageCount> enabled{};
  std::array<bool, kWizardPageCount> last{};
};

// Sticker actions go 0-1-2-4-5, the message and balloon 0-1-2-3-4-6.
WizardRoute RouteForAction(int action);
// Hourly tasks have no start time: page 2 leaves the route.
void SetHourly(WizardRoute& route, bool hourly);
// The next (or previous) page of the route; the first and last pages stay.
int NextPage(const WizardRoute& route, int page);
int PreviousPage(const WizardRoute& route, int page);
bool IsStickerRoute(const WizardRoute& route);

// `base` when no task has that name, else the first free "base (n)".
std::wstring DefaultTaskName(const std::vector<std::wstring>& usedNames, std::wstring_view base);

struct WizardSticker {
  std::int32_t id;
  std::string text;  // "(n) " and the first 32 characters of the body, ANSI
};
// One entry per used sticker slot, numbered from 1 in slot order.
std::vector<WizardSticker> WizardStickers(const Tmassiv& store);

// What the pages hold when the user finishes.
struct WizardChoices {
  std::optional<int> action;  // the checked action button
  bool chosenTime = false;
  bool hourly = false;
  bool daily = false;
  DateTime timeOfDay = 0;  // the time picker's value: its fraction counts
  DateTime date = 0;       // the date picker's value: its whole days count
  bool blocked = false;
  bool autoBlock = false;
  bool autoDelete = false;
  bool stickerRoute = false;
  std::string stickerPageName, namePageName, message;  // ANSI
  std::optional<std::int32_t> stickerId;
};
// A task of a kind this version does not know (from a later one, or a
// damaged file) is shown read-only and never rewritten as another kind.
inline bool IsKnownTaskKind(std::uint8_t kind) { return kind <= kTaskHourly; }
// Leaves a task of an unknown kind as it is.
void ApplyWizardChoices(const WizardChoices& choices, TaskRecord& task);
// The follow-up time written with every save: five minutes after the moment.
inline constexpr double kFollowUpDays = 5.0 / 1440.0;
