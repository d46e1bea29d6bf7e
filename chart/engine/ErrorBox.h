#pragma once
// The chart engine's error box: an error message with no caption, shown through the dialog
// service in force (tests put a recording one in place). Texts longer than the box takes are cut.
#include <string>

inline constexpr int ErrorBoxTextLimit = 1023;

void ShowErrorBox(const std::string& text);
