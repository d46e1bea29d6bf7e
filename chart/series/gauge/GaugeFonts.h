#pragma once
// The numeric gauge's two digital faces, registered for this program alone at start-up and
// removed at shut-down: "DS-Digital", the seven-segment face of the bar style, and "Elektra",
// the fourteen-segment face that stands for the dot style. Both come from the DSEG font files
// the program's installation puts in place (SIL Open Font License). While they are registered
// the chart editor's font lists offer them too.
//
// A face whose file is missing is simply not registered, and nothing is reported: the markers
// keep its name and draw with whatever face the system gives for it.
#include <string>

inline constexpr const char* DigitalBarFontName = "DS-Digital";
inline constexpr const char* DigitalDotFontName = "Elektra";

// Where the installation puts the DSEG font files.
std::string DigitalFontFolder();
// Registers the faces from their files in folder (DigitalFontFolder() for the program); the
// faces of an earlier call are removed first.
void LoadGaugeFonts(const std::string& folder = DigitalFontFolder());
void RemoveGaugeFonts();
