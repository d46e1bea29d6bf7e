#pragma once
// The program name every test program gives the platform, so that no test meets the program's
// own settings or lock files.
inline constexpr const char* TestProgramName = "kavri320-tests";
