#pragma once
// No exception may unwind through the system's code: window, dialog and hook
// procedures run their bodies through this guard, which answers onException
// instead.

template <typename Result, typename Body>
Result NoThrow(Result onException, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return onException;
  }
}
