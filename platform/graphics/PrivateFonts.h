#pragma once
// Faces the program registers for itself alone, from font files, under face names of its own: a
// font of that name then draws with the face of the file. The faces are private to the process
// (other programs do not see them) and last until the program removes them or ends.
//
// A face that could not be registered is no error and is not reported: a font of its name draws
// with the family the toolkit substitutes, as for any name that is not installed.
#include <string>
#include <vector>

// 0: nothing registered.
using TPrivateFontHandle = int;

// Registers the face of the font file under faceName. 0, with nothing registered, when the file
// cannot be read as a font or no application object exists yet (FontEngine.h).
TPrivateFontHandle AddPrivateFont(const std::string& fileName, const std::string& faceName);
// Takes the face away again; false for a handle that is not registered (0 included).
bool RemovePrivateFont(TPrivateFontHandle handle);
// The face names registered now, in the order they were added.
std::vector<std::string> PrivateFontNames();
// The family of the file registered under the face name (letter case ignored); empty when none.
std::string PrivateFontFamily(const std::string& faceName);
