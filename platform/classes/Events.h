#pragma once
// The plain event of the object model: a handler told which object raised it. Handlers are
// std::function values; a caller tests `if (OnClick)` before calling one.
#include <functional>

class TObject;

using TNotifyEvent = std::function<void(TObject* sender)>;
