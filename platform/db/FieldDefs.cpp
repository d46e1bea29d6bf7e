#include "platform/db/FieldDefs.h"

#include "platform/db/DBConsts.h"
#include "platform/rtl/StrUtils.h"

TFieldDef::TFieldDef(std::string name, TFieldType dataType, int size, bool required)
    : FName(std::move(name)), FDataType(dataType), FSize(size), FRequired(required) {}

TFieldDef::~TFieldDef() = default;

TFieldDefs& TFieldDef::ChildDefs() {
    if (!FChildDefs) FChildDefs = std::make_unique<TFieldDefs>();
    return *FChildDefs;
}

TFieldDefs::TFieldDefs() = default;
TFieldDefs::~TFieldDefs() = default;

TFieldDef& TFieldDefs::Add(std::string name, TFieldType dataType, int size, bool required) {
    FItems.push_back(std::make_unique<TFieldDef>(std::move(name), dataType, size, required));
    FItems.back()->FFieldNo = Count() - 1;
    return *FItems.back();
}

int TFieldDefs::IndexOf(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(FItems[i]->Name(), name)) return i;
    return -1;
}

TFieldDef& TFieldDefs::Find(const std::string& name) const {
    const int i = IndexOf(name);
    if (i < 0) throw EDatabaseError(FieldNotFoundMessage(name));
    return *FItems[i];
}

TIndexDef& TIndexDefs::Add(std::string name, std::string fields, TIndexOptions options) {
    FItems.emplace_back(std::move(name), std::move(fields), options);
    return FItems.back();
}

int TIndexDefs::IndexOf(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(FItems[i].Name(), name)) return i;
    return -1;
}

std::vector<std::string> SplitFieldNames(const std::string& names) {
    std::vector<std::string> result;
    size_t start = 0;
    while (start <= names.size()) {
        size_t end = names.find(';', start);
        if (end == std::string::npos) end = names.size();
        std::string name = Trim(names.substr(start, end - start));
        if (!name.empty()) result.push_back(std::move(name));
        start = end + 1;
    }
    return result;
}
