#include "platform/classes/Cursors.h"

#include "platform/classes/PropInfo.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"

namespace {

// Indexed by -cursor; the gap at -5 is the old number of crSize, now crSizeAll's.
constexpr const char* StandardNames[] = {
    "crDefault",  "crNone",     "crArrow",    "crCross",     "crIBeam",     nullptr,
    "crSizeNESW", "crSizeNS",   "crSizeNWSE", "crSizeWE",    "crUpArrow",   "crHourGlass",
    "crDrag",     "crNoDrop",   "crHSplit",   "crVSplit",    "crMultiDrag", "crSQLWait",
    "crNo",       "crAppStart", "crHelp",     "crHandPoint", "crSizeAll"};
constexpr int StandardCount = int(std::size(StandardNames));

bool ToIdent(int64_t value, std::string& ident) { return CursorToIdent(value, ident); }
bool FromIdent(std::string_view ident, int64_t& value) { return IdentToCursor(ident, value); }

class TSilentCursor : public IScreenCursor {
public:
    void SetCursor(TCursor) override {}
};

TSilentCursor SilentCursor;
IScreenCursor* Current = &SilentCursor;
TCursor Shape = crDefault;

}  // namespace

bool CursorToIdent(int64_t cursor, std::string& ident) {
    if (cursor > 0 || cursor <= -StandardCount || !StandardNames[-cursor]) return false;
    ident = StandardNames[-cursor];
    return true;
}

bool IdentToCursor(std::string_view ident, int64_t& cursor) {
    const std::string name(ident);
    for (int i = 0; i < StandardCount; ++i) {
        if (StandardNames[i] && SameText(name, StandardNames[i])) {
            cursor = -i;
            return true;
        }
    }
    if (SameText(name, "crSize")) {
        cursor = crSize;
        return true;
    }
    return false;
}

std::string CursorToString(TCursor cursor) {
    std::string ident;
    return CursorToIdent(cursor, ident) ? ident : std::to_string(cursor);
}

TCursor StringToCursor(const std::string& text) {
    int64_t cursor = 0;
    if (IdentToCursor(Trim(text), cursor)) return TCursor(cursor);
    return StrToInt(text);
}

void GetCursorValues(const std::function<void(const std::string&)>& proc) {
    for (const char* name : StandardNames)
        if (name) proc(name);
}

const TIdentConverter& CursorIdentConverter() {
    static const TIdentConverter converter{&ToIdent, &FromIdent};
    return converter;
}

IScreenCursor::~IScreenCursor() = default;

IScreenCursor& ScreenCursor() { return *Current; }

IScreenCursor* SetScreenCursor(IScreenCursor* cursor) {
    IScreenCursor* former = Current == &SilentCursor ? nullptr : Current;
    Current = cursor ? cursor : &SilentCursor;
    return former;
}

TCursor ScreenCursorShape() { return Shape; }

void ShowScreenCursor(TCursor cursor) {
    Shape = cursor;
    Current->SetCursor(cursor);
}

TCursorGuard::TCursorGuard(TCursor cursor) : FFormer(ScreenCursorShape()) {
    ShowScreenCursor(cursor);
}

TCursorGuard::~TCursorGuard() { ShowScreenCursor(FFormer); }
