#pragma once
// Test programs that draw text without the window layer share one toolkit application for fonts,
// made before the first test and freed after the last (see FontSupport.cpp). A test program joins
// by calling kv_use_font_support(<target>) in its CMakeLists.txt.
#include "platform/graphics/FontEngine.h"
