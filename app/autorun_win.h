#pragma once
// Registration to start with Windows: the "Quillory" value of the current
// user's Run key holds the program path. The program only ever writes it.

#include <string>

bool WriteAutorunValue(const std::wstring& programPath);
