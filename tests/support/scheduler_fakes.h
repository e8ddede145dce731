#pragma once
// A scheduler whose tasks do nothing, for windows made without the program.

#include "manager/scheduler.h"

struct NoSchedulerActions final : SchedulerActions {
  void ShowSticker(std::int32_t) override {}
  void HideSticker(std::int32_t) override {}
  void DeleteSticker(std::int32_t) override {}
  void ShowBalloon(std::string_view) override {}
  bool ShowMessage(std::string_view) override { return true; }
  void SaveTasks() override {}
};
