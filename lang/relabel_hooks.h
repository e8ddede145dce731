#pragma once
// The windows' ways of putting the current texts on their controls. Every
// window that shows texts registers one hook when it is created and removes it
// when it goes; applying a language runs all of them, in the order they were
// registered.

#include <algorithm>
#include <functional>
#include <vector>

class TMUI;

class RelabelHooks {
 public:
  using Hook = std::function<void(const TMUI& texts)>;

  // Returns the number that removes the hook again.
  int Register(Hook hook) {
    hooks_.push_back({++lastNumber_, std::move(hook)});
    return lastNumber_;
  }
  void Remove(int number) {
    std::erase_if(hooks_, [number](const Entry& e) { return e.number == number; });
  }
  // A hook may add or remove hooks while it runs: the hooks registered at the
  // start run unless removed before their turn.
  void RelabelAll(const TMUI& texts) const {
    std::vector<int> numbers;
    for (const Entry& entry : hooks_) numbers.push_back(entry.number);
    for (int number : numbers) {
      const auto it = std::find_if(hooks_.begin(), hooks_.end(), [number](const Entry& e) { return e.number == number; });
      if (it == hooks_.end()) continue;
      const Hook hook = it->hook;  // the entry may go while the hook runs
      hook(texts);
    }
  }

 private:
  struct Entry {
    int number;
    Hook hook;
  };
  std::vector<Entry> hooks_;
  int lastNumber_ = 0;
};
