#include "engine/ScreenCursor.h"

IScreenCursor::~IScreenCursor() = default;

namespace {

class TSilentCursor : public IScreenCursor {
public:
    void SetCursor(TCursor) override {}
};

TSilentCursor SilentCursor;
IScreenCursor* Current = &SilentCursor;
TCursor Shape = crDefault;

}  // namespace

IScreenCursor& ScreenCursor() { return *Current; }

void SetScreenCursor(IScreenCursor* cursor) { Current = cursor ? cursor : &SilentCursor; }

TCursor ScreenCursorShape() { return Shape; }

void ShowScreenCursor(TCursor cursor) {
    Shape = cursor;
    Current->SetCursor(cursor);
}
