#pragma once
// A file another program holds for a moment: a virus scanner, a backup or
// sync tool, a drive still waking up. Such failures are worth another try
// before anything is reported; the others are not.

#include <windows.h>

#include <chrono>
#include <functional>

// Opening or reading a file that another program holds.
bool FileBusy(DWORD error);
// Replacing a file that another program reads: refused on Windows with
// "access denied", under Wine as a sharing violation.
bool ReplacedFileBusy(DWORD error);

// Runs `attempt` (0 or the system error code) until it succeeds, fails for a
// reason that is not `busy`, or `patience` has run out; returns its last result.
DWORD RetryWhileBusy(const std::function<DWORD()>& attempt, bool (*busy)(DWORD), std::chrono::milliseconds patience);
