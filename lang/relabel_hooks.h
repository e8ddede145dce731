#pragma once
// The windows' ways of putting the current texts on their controls. Every
// window that shows texts registers one hook when it is created; applying a
// language runs all of them, in the order they were registered.

#include <functional>
#include <vector>

class TMUI;

class RelabelHooks {
 public:
  using Hook = std::function<void(const TMUI& texts)>;

  void Register(Hook hook) { hooks_.push_back(std::move(hook)); }
  void RelabelAll(const TMUI& texts) const {
    for (const Hook& hook : hooks_) hook(texts);
  }

 private:
  std::vector<Hook> hooks_;
};
