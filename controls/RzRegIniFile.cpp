#include "controls/RzRegIniFile.h"

#include "platform/classes/Publisher.h"
#include "platform/rtl/Registry.h"

namespace {
const TEnumInfo& PathTypeNames() {
    static const TEnumInfo names{"ptIniFile", "ptRegistry"};
    return names;
}
const TEnumInfo& RegKeyNames() {
    static const TEnumInfo names{"hkeyClassesRoot", "hkeyCurrentUser",     "hkeyLocalMachine",
                                 "hkeyUsers",       "hkeyPerformanceData", "hkeyCurrentConfig",
                                 "hkeyDynData"};
    return names;
}
const TEnumInfo& RegAccessNames() {
    static const TEnumInfo names{
        "keyQueryValue", "keySetValue", "keyCreateSubKey", "keyEnumerateSubKeys", "keyNotify",
        "keyCreateLink", "keyRead",     "keyWrite",        "keyExecute",          "keyAllAccess"};
    return names;
}
const TEnumInfo& SpecialFolderNames() {
    static const TEnumInfo names{"sfNone", "sfUserAppDataRoaming", "sfUserAppDataLocal",
                                 "sfUserDocuments", "sfProgramData"};
    return names;
}
const TEnumInfo& FileEncodingNames() {
    static const TEnumInfo names{"feDefault", "feUTF8", "feUnicode"};
    return names;
}
}  // namespace

TRzRegIniFile::TRzRegIniFile(TComponent* owner) : TComponent(owner) {}

TRzRegIniFile::~TRzRegIniFile() = default;

void TRzRegIniFile::Publish(TPublisher<TRzRegIniFile>& p) {
    using R = TRzRegIniFile;
    p.String("Path", &R::Path, &R::SetPath);
    p.Enumeration("PathType", PathTypeNames(), &R::PathType, &R::SetPathType).Default(ptIniFile);
    p.Enumeration("RegKey", RegKeyNames(), &R::RegKey, &R::SetRegKey).Default(hkeyCurrentUser);
    p.Set("RegAccess", RegAccessNames(), &R::RegAccess, &R::SetRegAccess)
        .Default(int64_t(TRzRegAccess{keyAllAccess}.Mask()));
    p.Enumeration("SpecialFolder", SpecialFolderNames(), &R::SpecialFolder, &R::SetSpecialFolder)
        .Default(sfNone);
    p.Enumeration("FileEncoding", FileEncodingNames(), &R::FileEncoding, &R::SetFileEncoding)
        .Default(feDefault);
}

template <class T>
void TRzRegIniFile::Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    FNeedsRefresh = true;
}

void TRzRegIniFile::SetPath(const std::string& value) { Change(FPath, value); }
void TRzRegIniFile::SetPathType(TRzPathType value) { Change(FPathType, value); }
void TRzRegIniFile::SetRegKey(TRzRegKey value) { Change(FRegKey, value); }
void TRzRegIniFile::SetRegAccess(TRzRegAccess value) { Change(FRegAccess, value); }
void TRzRegIniFile::SetSpecialFolder(TRzSpecialFolder value) { Change(FSpecialFolder, value); }
void TRzRegIniFile::SetFileEncoding(TRzIniFileEncoding value) { Change(FFileEncoding, value); }

TRegistry& TRzRegIniFile::Store() {
    if (FNeedsRefresh) {
        FIniFile.reset();
        FRegistry.reset();
        FNeedsRefresh = false;
    }
    if (FPathType == ptIniFile && !FPath.empty()) {
        if (!FIniFile) FIniFile = std::make_unique<TRegistry>(FPath);
        return *FIniFile;
    }
    if (!FRegistry) FRegistry = std::make_unique<TRegistry>();
    return *FRegistry;
}
