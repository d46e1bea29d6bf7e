#include "chart/foundation/EditorOptions.h"

#include "platform/rtl/Registry.h"

const char* const EditorRegistryKey = "SOFTWARE\\Zavede Software\\DarEzaro Pro\\Editor";

namespace {

template <class T, class TRead>
T ReadOption(const std::string& Name, T Default, TRead read) {
    TRegistry registry;
    if (!registry.OpenKeyReadOnly(EditorRegistryKey) || !registry.ValueExists(Name)) return Default;
    return read(registry);
}

template <class TWrite>
void WriteOption(TWrite write) {
    TRegistry registry;
    if (registry.OpenKey(EditorRegistryKey, true)) write(registry);
}

}  // namespace

bool ReadEditorOptionBool(const std::string& Name, bool Default) {
    return ReadOption(Name, Default, [&](TRegistry& r) { return r.ReadBool(Name); });
}

int ReadEditorOptionInt(const std::string& Name, int Default) {
    return ReadOption(Name, Default, [&](TRegistry& r) { return r.ReadInteger(Name); });
}

void WriteEditorOptionBool(const std::string& Name, bool Value) {
    WriteOption([&](TRegistry& r) { r.WriteBool(Name, Value); });
}

void WriteEditorOptionInt(const std::string& Name, int Value) {
    WriteOption([&](TRegistry& r) { r.WriteInteger(Name, Value); });
}
