#include "engine/Global.h"

#include <new>

TSharedData Shared;

thread_local TRayState Ray;

bool StopFlag = false;

void ResetSharedData() {
    // The area holds about 2.6 MB of results: rebuild it in place rather than through a
    // temporary on the stack.
    Shared.~TSharedData();
    new (&Shared) TSharedData();
    Ray = TRayState();
}
