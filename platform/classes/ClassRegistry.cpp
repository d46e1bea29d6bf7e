#include "platform/classes/ClassRegistry.h"

#include <algorithm>

#include "platform/classes/ClassErrors.h"
#include "platform/rtl/StrUtils.h"

namespace {

// A short list searched in order: there are a few hundred classes at most and look-ups are rare.
std::vector<TClass>& Registry() {
    static std::vector<TClass> classes;
    return classes;
}

}  // namespace

void RegisterClass(TClass cls) {
    if (TClass same = GetClass(cls->ClassName())) {
        if (same == cls) return;
        throw EFilerError(FormatClassMessage(SDuplicateClass, {cls->ClassName()}));
    }
    Registry().push_back(cls);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
    for (TClass c : classes) RegisterClass(c);
}

void UnRegisterClass(TClass cls) {
    auto& r = Registry();
    r.erase(std::remove(r.begin(), r.end(), cls), r.end());
}

void UnRegisterClasses(std::initializer_list<TClass> classes) {
    for (TClass c : classes) UnRegisterClass(c);
}

TClass GetClass(std::string_view name) {
    for (TClass c : Registry())
        if (SameText(c->ClassName(), name)) return c;
    return nullptr;
}

TClass FindClass(std::string_view name) {
    if (TClass c = GetClass(name)) return c;
    throw EClassNotFound(FormatClassMessage(SClassNotFound, {std::string(name)}));
}

std::vector<TClass> RegisteredClasses() { return Registry(); }
