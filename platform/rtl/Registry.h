#pragma once
// The settings store that stands in for the system registry: keys such as
// "Software\Maker\Program\Editor" holding typed values (integers and strings; Booleans are
// integers), kept in an INI-style text file under the user's configuration folder. Every write
// reaches the file at once. Reading a value of another type raises ERegistryException
// "Invalid data type for '<name>'", as the registry does.
//
// It needs no window system, so the drawing and chart layers can keep their settings without
// the window layer.
#include <map>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(ERegistryException, Exception)

enum TRegDataType { rdUnknown, rdString, rdInteger };

class TRegistry {
public:
    // The store in DefaultFileName() / in fileName.
    TRegistry();
    explicit TRegistry(std::string fileName);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // $XDG_CONFIG_HOME (or ~/.config) + "/" + ProgramName() + "/settings.ini".
    static std::string DefaultFileName();
    const std::string& FileName() const { return FFileName; }

    // Opens key, relative to the open key unless it starts with '\'; a missing key is made when
    // canCreate is true and otherwise makes it return false. Letter case does not matter.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();
    bool KeyExists(const std::string& key);
    bool DeleteKey(const std::string& key);
    const std::string& CurrentPath() const { return FCurrentPath; }

    bool ValueExists(const std::string& name) const;
    TRegDataType GetDataType(const std::string& name) const;
    // False when there was no such value.
    bool DeleteValue(const std::string& name);

    // ERegistryException "Failed to get data for '<name>'" for a missing value.
    bool ReadBool(const std::string& name) const;
    int ReadInteger(const std::string& name) const;
    std::string ReadString(const std::string& name) const;
    // ERegistryException "Failed to set data for '<name>'" without an open key, on a key
    // opened read-only or when the file cannot be written.
    void WriteBool(const std::string& name, bool value);
    void WriteInteger(const std::string& name, int value);
    void WriteString(const std::string& name, const std::string& value);

private:
    struct TValue {
        std::string Name;
        TRegDataType Type;
        std::string Data;
    };
    struct TKey {
        std::string Path;
        std::vector<TValue> Values;
    };
    void Load();
    void Save();
    std::string Resolve(const std::string& key) const;
    const TValue* Find(const std::string& name) const;
    const TValue& Get(const std::string& name, TRegDataType type) const;
    void Put(const std::string& name, TRegDataType type, const std::string& data);

    std::string FFileName;
    std::map<std::string, TKey> FKeys;  // by path in lower case
    std::string FCurrentPath;
    bool FOpen = false;
    bool FReadOnly = false;
};
