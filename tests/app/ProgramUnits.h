#pragma once
// The program's start-up registrations for a test program, made once as main makes them once:
// every suite of the program calls this, and a test that takes a unit down brings it up again.
#include "app/Startup.h"

inline void RegisterProgramUnitsOnce() {
    static const bool registered = (RegisterProgramUnits(), true);
    (void)registered;
}
