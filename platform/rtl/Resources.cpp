#include "platform/rtl/Resources.h"

#include "platform/rtl/StrUtils.h"

// The table generated from resources/ at build time.
extern const TResourceData ResourceTable[];
extern const size_t ResourceCount;

const TResourceData* FindResource(std::string_view name, std::string_view type) {
    for (size_t i = 0; i < ResourceCount; ++i) {
        const TResourceData& r = ResourceTable[i];
        if (SameText(r.Name, name) && (type.empty() || SameText(r.Type, type))) return &r;
    }
    return nullptr;
}

std::vector<std::string> ResourceNames(std::string_view type) {
    std::vector<std::string> names;
    for (size_t i = 0; i < ResourceCount; ++i)
        if (SameText(ResourceTable[i].Type, type)) names.emplace_back(ResourceTable[i].Name);
    return names;
}
