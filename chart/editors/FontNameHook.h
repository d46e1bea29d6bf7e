#pragma once
// The font editor lists the screen's fonts, then passes its list here: a unit that installs
// fonts of its own (private to the program, which the screen does not list) adds their names.
#include <functional>

class TStrings;

extern std::function<void(TStrings& names)> FontListHook;
