#pragma once
// The window-layer tests share one application, made off screen before the first test (see
// UiTestEnvironment.cpp), titled "Test App".
#include "platform/ui/Application.h"

inline constexpr const char* TestAppTitle = "Test App";
