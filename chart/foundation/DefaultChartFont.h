#pragma once
// The face and size new chart fonts start with, chosen once at start-up from the library texts
// (after they are loaded) and the user's language.
#include <string>

extern std::string DefaultChartFontName;
extern int DefaultChartFontSize;

// True when the user's language (the locale of the environment) is Japanese.
bool UserLanguageIsJapanese();

// The size and face texts, but in a Japanese environment size 8 becomes 9 and the face "Arial"
// the Japanese proportional gothic face.
void SetupDefaultChartFont();
void SetupDefaultChartFont(bool japanese);
