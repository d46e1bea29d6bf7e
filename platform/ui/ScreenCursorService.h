#pragma once
// The window layer's side of the cursor service: the application installs the toolkit's screen
// cursor while it lives, and controls turn cursor numbers into the toolkit's cursors.
#include "platform/ui/ControlTypes.h"

class QCursor;

// The toolkit's cursor for a number; false for a number without one.
bool ToolkitCursor(TCursor id, QCursor& cursor);
// Installs the toolkit's screen cursor and returns the service it replaces; uninstalling puts
// that one back and ends any cursor shown over the windows.
IScreenCursor* InstallToolkitScreenCursor();
void UninstallToolkitScreenCursor(IScreenCursor* former);
