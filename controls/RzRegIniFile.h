#pragma once
// Where a frame controller's form keeps settings: a file of its own or the program's settings
// store, described by a path, the store's root key, the access asked for, a special folder the
// path is relative to and the file's encoding. The controls keep no settings through it; it
// carries the description and makes the store object on request.
#include <memory>
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/Set.h"

class TRegistry;

enum TRzPathType { ptIniFile, ptRegistry };
enum TRzRegKey {
    hkeyClassesRoot,
    hkeyCurrentUser,
    hkeyLocalMachine,
    hkeyUsers,
    hkeyPerformanceData,
    hkeyCurrentConfig,
    hkeyDynData
};
enum TRzRegAccessItem {
    keyQueryValue,
    keySetValue,
    keyCreateSubKey,
    keyEnumerateSubKeys,
    keyNotify,
    keyCreateLink,
    keyRead,
    keyWrite,
    keyExecute,
    keyAllAccess
};
using TRzRegAccess = TSet<TRzRegAccessItem>;
enum TRzSpecialFolder {
    sfNone,
    sfUserAppDataRoaming,
    sfUserAppDataLocal,
    sfUserDocuments,
    sfProgramData
};
enum TRzIniFileEncoding { feDefault, feUTF8, feUnicode };

class TRzRegIniFile : public TComponent {
    KV_DECLARE_CLASS(TRzRegIniFile, TComponent)
public:
    explicit TRzRegIniFile(TComponent* owner);
    ~TRzRegIniFile() override;

    const std::string& Path() const { return FPath; }
    virtual void SetPath(const std::string& value);
    TRzPathType PathType() const { return FPathType; }
    virtual void SetPathType(TRzPathType value);
    TRzRegKey RegKey() const { return FRegKey; }
    virtual void SetRegKey(TRzRegKey value);
    TRzRegAccess RegAccess() const { return FRegAccess; }
    virtual void SetRegAccess(TRzRegAccess value);
    TRzSpecialFolder SpecialFolder() const { return FSpecialFolder; }
    virtual void SetSpecialFolder(TRzSpecialFolder value);
    TRzIniFileEncoding FileEncoding() const { return FFileEncoding; }
    virtual void SetFileEncoding(TRzIniFileEncoding value);

    // Set by every change of the description: a store made before no longer matches it.
    bool NeedsRefresh() const { return FNeedsRefresh; }
    // The store the description names, made on first use and again after a change: with
    // ptIniFile and a Path, the file at Path; otherwise the program's settings store.
    TRegistry& Store();

    static void Publish(TPublisher<TRzRegIniFile>& p);

private:
    template <class T>
    void Change(T& field, const T& value);

    std::unique_ptr<TRegistry> FIniFile;
    std::unique_ptr<TRegistry> FRegistry;
    std::string FPath;
    TRzPathType FPathType = ptIniFile;
    TRzRegKey FRegKey = hkeyCurrentUser;
    TRzRegAccess FRegAccess{keyAllAccess};
    TRzSpecialFolder FSpecialFolder = sfNone;
    TRzIniFileEncoding FFileEncoding = feDefault;
    bool FNeedsRefresh = true;
};
