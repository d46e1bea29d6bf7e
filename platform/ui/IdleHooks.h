#pragma once
// Work the main thread does between events: hooks registered here run on every
// ProcessMessages and whenever a thread wakes the main loop with WakeMainThread (the only call
// here that any thread may make). A hook that raises is reported like an event handler's
// exception, and the other hooks still run.
#include <functional>

using TIdleHookId = int;

TIdleHookId AddIdleHook(std::function<void()> hook);
// Unknown ids are ignored; a hook may remove itself (or another) while the hooks run.
void RemoveIdleHook(TIdleHookId id);
// Main thread: runs every registered hook once.
void RunIdleHooks();
// Any thread: has the main loop run the hooks soon. Without a running application the hooks
// run at the next ProcessMessages.
void WakeMainThread();
