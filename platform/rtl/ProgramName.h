#pragma once
// The name of the program the platform serves, for the names it makes on the program's behalf:
// the settings folder, the instance lock file, the toolkit's application name. The platform does
// not know it: the program sets it at start-up before anything it names is touched, and each
// test program sets its own, so that tests never meet the program's files.
#include <string>

// Sets the name; it must not be empty and must be usable as a folder name (no '/').
void SetProgramName(const std::string& name);
// The name set last; asking before it was set is a programmer's mistake.
const std::string& ProgramName();
