#include "platform/rtl/Registry.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/rtl/ProgramName.h"
#include "platform/rtl/StrUtils.h"

namespace {
// Backslash, line breaks, NUL and '=' are written escaped, so any name and string survive a line.
std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\0':
                out += "\\0";
                break;
            case '=':
                out += "\\=";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A name starting with '[' or ';' would make its line a key or a comment: that one is escaped too.
std::string EscapeName(const std::string& name) {
    const bool lead = !name.empty() && (name[0] == '[' || name[0] == ';');
    return (lead ? "\\" : "") + Escape(name);
}

// Unescapes s from pos up to an unescaped stop character, or to the end of the line when there
// is none; pos ends after it.
std::string Unescape(const std::string& s, size_t& pos, std::optional<char> stop = {}) {
    std::string out;
    while (pos < s.size() && s[pos] != stop) {
        char c = s[pos++];
        if (c == '\\' && pos < s.size()) {
            char e = s[pos++];
            out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == '0' ? '\0' : e;
        } else {
            out += c;
        }
    }
    if (pos < s.size()) ++pos;
    return out;
}

std::string TrimSlashes(const std::string& key) {
    size_t b = key.find_first_not_of('\\');
    if (b == std::string::npos) return {};
    size_t e = key.find_last_not_of('\\');
    return key.substr(b, e - b + 1);
}
}  // namespace

TRegistry::TRegistry() : TRegistry(DefaultFileName()) {}

TRegistry::TRegistry(std::string fileName) : FFileName(std::move(fileName)) { Load(); }

TRegistry::~TRegistry() = default;

std::string TRegistry::DefaultFileName() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = ".";
    return base + "/" + ProgramName() + "/settings.ini";
}

void TRegistry::Load() {
    FKeys.clear();
    std::ifstream in(FFileName, std::ios::binary);
    std::string line;
    TKey* key = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            std::string path = line.substr(1, line.size() - 2);
            key = &FKeys[LowerCase(path)];
            key->Path = path;
            continue;
        }
        if (!key) continue;
        size_t pos = 0;
        std::string name = Unescape(line, pos, '=');
        size_t colon = line.find(':', pos);
        if (colon == std::string::npos) continue;  // not ours: skipped, as a damaged line
        std::string tag = line.substr(pos, colon - pos);
        TRegDataType type = tag == "dword" ? rdInteger : tag == "sz" ? rdString : rdUnknown;
        if (type == rdUnknown) continue;
        pos = colon + 1;
        key->Values.push_back({name, type, Unescape(line, pos)});
    }
}

void TRegistry::Save() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path path(FFileName);
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    // Written beside the store and renamed over it, so a failed write leaves the old store.
    std::string temp = FFileName + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (const auto& [lower, key] : FKeys) {
            out << '[' << key.Path << "]\n";
            for (const TValue& v : key.Values)
                out << EscapeName(v.Name) << '=' << (v.Type == rdInteger ? "dword:" : "sz:")
                    << Escape(v.Data) << '\n';
        }
        out.flush();
        if (!out) {
            fs::remove(temp, ec);
            throw EWriteError("Cannot write the settings file " + FFileName);
        }
    }
    fs::rename(temp, FFileName, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw EWriteError("Cannot write the settings file " + FFileName);
    }
}

std::string TRegistry::Resolve(const std::string& key) const {
    if (!key.empty() && key[0] == '\\') return TrimSlashes(key);
    std::string relative = TrimSlashes(key);
    if (FCurrentPath.empty()) return relative;
    return relative.empty() ? FCurrentPath : FCurrentPath + "\\" + relative;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    Load();
    std::string path = Resolve(key);
    auto found = FKeys.find(LowerCase(path));
    if (found == FKeys.end()) {
        if (!canCreate) return false;
        FKeys[LowerCase(path)].Path = path;
        Save();
        found = FKeys.find(LowerCase(path));
    }
    FCurrentPath = found->second.Path;
    FOpen = true;
    FReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
    if (!OpenKey(key, false)) return false;
    FReadOnly = true;
    return true;
}

void TRegistry::CloseKey() {
    FCurrentPath.clear();
    FOpen = false;
    FReadOnly = false;
}

bool TRegistry::KeyExists(const std::string& key) {
    Load();
    return FKeys.count(LowerCase(Resolve(key))) != 0;
}

bool TRegistry::DeleteKey(const std::string& key) {
    Load();
    std::string path = LowerCase(Resolve(key));
    if (!FKeys.count(path)) return false;
    // The key and every key below it.
    std::erase_if(FKeys, [&](const auto& entry) {
        return entry.first == path || entry.first.rfind(path + "\\", 0) == 0;
    });
    Save();
    return true;
}

const TRegistry::TValue* TRegistry::Find(const std::string& name) const {
    if (!FOpen) return nullptr;
    auto key = FKeys.find(LowerCase(FCurrentPath));
    if (key == FKeys.end()) return nullptr;
    for (const TValue& v : key->second.Values)
        if (SameText(v.Name, name)) return &v;
    return nullptr;
}

bool TRegistry::ValueExists(const std::string& name) const { return Find(name) != nullptr; }

TRegDataType TRegistry::GetDataType(const std::string& name) const {
    const TValue* v = Find(name);
    return v ? v->Type : rdUnknown;
}

bool TRegistry::DeleteValue(const std::string& name) {
    if (!FOpen || FReadOnly) return false;
    auto key = FKeys.find(LowerCase(FCurrentPath));
    if (key == FKeys.end()) return false;
    auto& values = key->second.Values;
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const TValue& v) { return SameText(v.Name, name); });
    if (it == values.end()) return false;
    values.erase(it);
    Save();
    return true;
}

const TRegistry::TValue& TRegistry::Get(const std::string& name, TRegDataType type) const {
    const TValue* v = Find(name);
    if (!v) throw ERegistryException("Failed to get data for '" + name + "'");
    if (v->Type != type) throw ERegistryException("Invalid data type for '" + name + "'");
    return *v;
}

bool TRegistry::ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }

int TRegistry::ReadInteger(const std::string& name) const {
    const std::string& data = Get(name, rdInteger).Data;
    try {
        return int(std::stol(data));
    } catch (const std::exception&) {
        throw ERegistryException("Invalid data type for '" + name + "'");
    }
}

std::string TRegistry::ReadString(const std::string& name) const {
    return Get(name, rdString).Data;
}

void TRegistry::Put(const std::string& name, TRegDataType type, const std::string& data) {
    if (!FOpen || FReadOnly) throw ERegistryException("Failed to set data for '" + name + "'");
    TKey& key = FKeys[LowerCase(FCurrentPath)];
    key.Path = FCurrentPath;
    auto it = std::find_if(key.Values.begin(), key.Values.end(),
                           [&](const TValue& v) { return SameText(v.Name, name); });
    if (it == key.Values.end())
        key.Values.push_back({name, type, data});
    else
        *it = {it->Name, type, data};
    try {
        Save();
    } catch (const EWriteError&) {
        throw ERegistryException("Failed to set data for '" + name + "'");
    }
}

void TRegistry::WriteBool(const std::string& name, bool value) {
    Put(name, rdInteger, value ? "1" : "0");
}

void TRegistry::WriteInteger(const std::string& name, int value) {
    Put(name, rdInteger, std::to_string(value));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    Put(name, rdString, value);
}
