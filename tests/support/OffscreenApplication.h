#pragma once
// Test programs that need the window layer share one application, made off screen before the
// first test (see OffscreenApplication.cpp), titled "Test App". A test program joins by calling
// kv_use_offscreen_application(<target>) in its CMakeLists.txt.
#include "platform/ui/Application.h"

inline constexpr const char* TestAppTitle = "Test App";
