#include "engine/ScreenCursor.h"

IScreenCursor::~IScreenCursor() = default;

namespace {

class TSilentCursor : public IScreenCursor {
public:
    void SetCursor(TCursor) override {}
};

TSilentCursor SilentCursor;
IScreenCursor* Current = &SilentCursor;

}  // namespace

IScreenCursor& ScreenCursor() { return *Current; }

void SetScreenCursor(IScreenCursor* cursor) { Current = cursor ? cursor : &SilentCursor; }
