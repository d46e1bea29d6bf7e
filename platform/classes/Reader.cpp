#include "platform/classes/Reader.h"

#include <cfloat>
#include <cstring>

#include "platform/classes/ClassErrors.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/PropAccess.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Utf8.h"

namespace {

// The reader's owner and parent, put back when the children of a component are read, on every
// path.
class TSavedOwnerAndParent {
public:
    TSavedOwnerAndParent(TComponent*& owner, TComponent*& parent)
        : FOwner(owner), FParent(parent), FSavedOwner(owner), FSavedParent(parent) {}
    ~TSavedOwnerAndParent() {
        FOwner = FSavedOwner;
        FParent = FSavedParent;
    }
    TSavedOwnerAndParent(const TSavedOwnerAndParent&) = delete;
    TSavedOwnerAndParent& operator=(const TSavedOwnerAndParent&) = delete;

private:
    TComponent*& FOwner;
    TComponent*& FParent;
    TComponent* FSavedOwner;
    TComponent* FSavedParent;
};

// BeginUpdate now, EndUpdate on every path out of the scope.
class TStringsUpdate {
public:
    explicit TStringsUpdate(TStrings& lines) : FLines(lines) { FLines.BeginUpdate(); }
    ~TStringsUpdate() { FLines.EndUpdate(); }
    TStringsUpdate(const TStringsUpdate&) = delete;
    TStringsUpdate& operator=(const TStringsUpdate&) = delete;

private:
    TStrings& FLines;
};

bool IsOwnedBy(const TComponent* c, const TComponent* owner) {
    for (const TComponent* o = c->Owner(); o; o = o->Owner())
        if (o == owner) return true;
    return false;
}

}  // namespace

TReader::~TReader() = default;

void TReader::ReadRaw(void* data, int64_t size) {
    const int64_t start = FStream.Position();
    try {
        FStream.ReadBuffer(data, size);
    } catch (Exception& e) {
        e.SetByteOffset(start);
        throw;
    }
}

void TReader::Fail(const std::string& message, int64_t offset) {
    EReadError error(message);
    error.SetByteOffset(offset);
    throw error;
}

void TReader::MarkFailure(Exception& e) {
    if (e.ByteOffset() < 0) e.SetByteOffset(FStream.Position());
}

uint32_t TReader::ReadLength() {
    uint32_t n;
    ReadRaw(&n, 4);
    CheckAvailable(n, FStream.Position() - 4);
    return n;
}

void TReader::CheckAvailable(int64_t count, int64_t countAt) {
    // Checked against what the stream holds before anything is allocated or skipped for it.
    if (count > FStream.Size() - FStream.Position()) Fail(SReadError, countAt);
}

void TReader::PropValueError() { Fail(SInvalidPropertyValue, FStream.Position()); }

void TReader::ReadSignature() {
    char sig[4];
    ReadRaw(sig, 4);
    if (std::memcmp(sig, FilerSignature, 4) != 0) Fail(SInvalidImage, FStream.Position() - 4);
}

TComponent* TReader::ReadRootComponent(TComponent* root, TComponent* owner) {
    ReadSignature();
    uint8_t prefix = uint8_t(NextValue());
    if ((prefix & 0xF0) == 0xF0) {
        ReadValue();
        if (prefix & ffChildPos) ReadInteger();
    }
    std::string className = ReadStr();
    std::string name = ReadStr();
    bool created = !root;
    if (created) {
        try {
            root = CreateAs<TComponent>(FindClass(className), owner);
        } catch (Exception& e) {
            MarkFailure(e);
            throw;
        }
    }
    FRoot = FOwner = FParent = root;
    try {
        root->SetState(csLoading, true);
        root->SetState(csReading, true);
        FLoaded.push_back(root);
        if (created || root->Name().empty()) root->SetName(name);
        ReadComponentData(root);
        FixupReferences();
        for (TComponent* c : FLoaded) c->SetState(csReading, false);
        std::vector<TComponent*> loaded = std::move(FLoaded);
        FLoaded.clear();
        for (TComponent* c : loaded) c->Loaded();
    } catch (Exception& e) {
        MarkFailure(e);
        ForgetFailedRoot(root, created);
        throw;
    } catch (...) {
        ForgetFailedRoot(root, created);
        throw;
    }
    return root;
}

void TReader::ForgetFailedRoot(TComponent* root, bool created) {
    if (created) {
        TObject::Free(root);
    } else {
        for (TComponent* c : FLoaded) {
            c->SetState(csReading, false);
            c->SetState(csLoading, false);
        }
    }
    FLoaded.clear();
    FFixups.clear();
}

void TReader::ReadComponentData(TComponent* component) {
    TNestingGuard nesting(FDepth);
    while (!EndOfList()) ReadProperty(component);
    ReadListEnd();
    TSavedOwnerAndParent saved(FOwner, FParent);
    if (TComponent* childOwner = component->GetChildOwner()) FOwner = childOwner;
    FParent = component;
    while (!EndOfList()) ReadComponent();
    ReadListEnd();
}

TComponent* TReader::ReadComponent() {
    uint8_t prefix = uint8_t(NextValue());
    uint8_t flags = 0;
    if ((prefix & 0xF0) == 0xF0) {
        ReadValue();
        flags = prefix & 0x0F;
        if (flags & ffChildPos) ReadInteger();
    }
    std::string className = ReadStr();
    std::string name = ReadStr();
    TComponent* c = (flags & ffInherited) ? FOwner->FindComponent(name) : nullptr;
    bool created = !c;
    if (created) c = CreateAs<TComponent>(FindClass(className), FOwner);
    size_t loadedBefore = FLoaded.size();
    try {
        c->SetState(csLoading, true);
        c->SetState(csReading, true);
        FLoaded.push_back(c);
        if (created) c->SetName(name);
        if (c->HasParent()) c->SetParentComponent(FParent);
        ReadComponentData(c);
    } catch (...) {
        if (created) {
            // Forget it and what it owns before it goes.
            std::vector<TComponent*> kept(FLoaded.begin(), FLoaded.begin() + long(loadedBefore));
            for (size_t i = loadedBefore + 1; i < FLoaded.size(); ++i)
                if (!IsOwnedBy(FLoaded[i], c)) kept.push_back(FLoaded[i]);
            FLoaded = std::move(kept);
            TObject::Free(c);
        }
        throw;
    }
    return c;
}

bool TReader::Error(const std::string& message) {
    bool handled = false;
    if (OnError) OnError(*this, message, handled);
    return handled;
}

void TReader::ReadProperty(TPersistent* instance) {
    std::string path = ReadStr();
    int64_t valueStart = FStream.Position();
    try {
        TPersistent* target = instance;
        std::string_view rest = path;
        for (size_t dot; (dot = rest.find('.')) != std::string_view::npos;) {
            const TPropInfo* prop = GetPropInfo(target, rest.substr(0, dot));
            if (prop && prop->Kind == tkStrings && SameText(rest.substr(dot + 1), "Strings")) {
                ReadStrings(prop->GetStrings(target));
                return;
            }
            auto* sub = prop && prop->Kind == tkClass
                            ? dynamic_cast<TPersistent*>(prop->GetObject(target))
                            : nullptr;
            if (!sub) Fail(FormatClassMessage(SUnknownProperty, {path}), valueStart);
            target = sub;
            rest.remove_prefix(dot + 1);
        }
        if (const TPropInfo* prop = GetPropInfo(target, rest)) {
            ReadPropValue(target, *prop);
        } else {
            FPropName = std::string(rest);
            target->DefineProperties(*this);
            if (!FPropName.empty()) Fail(FormatClassMessage(SUnknownProperty, {path}), valueStart);
        }
    } catch (Exception& e) {
        FPropName.clear();
        MarkFailure(e);
        if (!Error(e.Message())) throw;
        FStream.SetPosition(valueStart);
        SkipValue();
    }
}

void TReader::ReadPropValue(TPersistent* instance, const TPropInfo& prop) {
    if (prop.Kind != tkClass && prop.IsReadOnly()) PropValueError();
    switch (prop.Kind) {
        case tkInteger:
        case tkColor: {
            int64_t value;
            if (NextValue() == vaIdent) {
                if (!prop.Idents || !prop.Idents->FromIdent(ReadIdent(), value)) PropValueError();
            } else {
                value = ReadInteger();
            }
            prop.SetOrd(instance, value);
            break;
        }
        case tkBoolean:
            prop.SetOrd(instance, ReadBoolean() ? 1 : 0);
            break;
        case tkEnumeration: {
            int v = prop.EnumInfo->Value(ReadIdent());
            if (v < 0) PropValueError();
            prop.SetOrd(instance, v);
            break;
        }
        case tkSet:
            ReadSetValue(instance, prop);
            break;
        case tkFloat:
            prop.SetFloat(instance, ReadFloat());
            break;
        case tkString:
            prop.SetStr(instance, ReadString());
            break;
        case tkClass: {
            auto* collection = dynamic_cast<TCollection*>(prop.GetObject(instance));
            if (NextValue() == vaCollection && collection)
                ReadCollection(collection);
            else if (NextValue() == vaNil)
                ReadValue();
            else
                PropValueError();
            break;
        }
        case tkComponent:
            if (NextValue() == vaNil) {
                ReadValue();
                prop.SetObject(instance, nullptr);
            } else {
                FFixups.push_back({instance, &prop, ReadIdent()});
            }
            break;
        case tkMethod: {
            if (NextValue() == vaNil) {
                ReadValue();
                break;
            }
            std::string name = ReadIdent();
            if (!prop.SetStr(instance, name)) {
                bool error = true;
                if (OnFindMethod) OnFindMethod(*this, name, error);
                if (error) PropValueError();
            }
            break;
        }
        default:
            PropValueError();
    }
}

void TReader::ReadSetValue(TPersistent* instance, const TPropInfo& prop) {
    CheckValue(vaSet);
    uint64_t mask = 0;
    for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) {
        int v = prop.EnumInfo->Value(name);
        if (v < 0 || v >= 64) PropValueError();
        mask |= uint64_t(1) << v;
    }
    prop.SetOrd(instance, int64_t(mask));
}

void TReader::ReadStrings(TStrings* lines) {
    CheckValue(vaList);
    TStringsUpdate update(*lines);
    lines->Clear();
    while (!EndOfList()) lines->Add(ReadString());
    ReadListEnd();
}

void TReader::ReadCollection(TCollection* collection) {
    TNestingGuard nesting(FDepth);
    CheckValue(vaCollection);
    TCollectionUpdate update(*collection);
    collection->Clear();
    while (!EndOfList()) {
        TValueType next = NextValue();
        if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();  // the order
        TCollectionItem* item = collection->Add();
        ReadListBegin();
        while (!EndOfList()) ReadProperty(item);
        ReadListEnd();
    }
    ReadListEnd();
}

void TReader::FixupReferences() {
    std::vector<TFixup> fixups = std::move(FFixups);
    FFixups.clear();
    for (const TFixup& f : fixups) {
        // A name not found stays unset, as a reference to something not in this stream.
        TComponent* target = FindReference(f.name);
        if (!target) continue;
        try {
            f.prop->SetObject(f.instance, target);
        } catch (const Exception& e) {
            if (!Error(e.Message())) throw;
        }
    }
}

TComponent* TReader::FindReference(const std::string& name) const {
    std::string_view rest = name;
    size_t dot = rest.find('.');
    std::string_view first = rest.substr(0, dot);
    TComponent* c = nullptr;
    if (SameText(first, FRoot->Name()))
        c = FRoot;
    else if (TComponent* owned = FRoot->FindComponent(first))
        c = owned;
    else if (TComponent* owner = FRoot->Owner()) {
        // A root read into a form: its references may name the form or what the form owns.
        if (SameText(first, owner->Name()))
            c = owner;
        else
            c = owner->FindComponent(first);
    }
    while (c && dot != std::string_view::npos) {
        rest.remove_prefix(dot + 1);
        dot = rest.find('.');
        c = c->FindComponent(rest.substr(0, dot));
    }
    return c;
}

TValueType TReader::ReadValue() {
    uint8_t b;
    ReadRaw(&b, 1);
    return TValueType(b);
}

TValueType TReader::NextValue() {
    TValueType v = ReadValue();
    FStream.Seek(-1, soCurrent);
    return v;
}

bool TReader::EndOfList() { return NextValue() == vaNull; }

void TReader::CheckValue(TValueType type) {
    if (ReadValue() != type) {
        FStream.Seek(-1, soCurrent);
        PropValueError();
    }
}

int64_t TReader::ReadInteger() {
    switch (ReadValue()) {
        case vaInt8: {
            int8_t v;
            ReadRaw(&v, 1);
            return v;
        }
        case vaInt16: {
            int16_t v;
            ReadRaw(&v, 2);
            return v;
        }
        case vaInt32: {
            int32_t v;
            ReadRaw(&v, 4);
            return v;
        }
        case vaInt64: {
            int64_t v;
            ReadRaw(&v, 8);
            return v;
        }
        default:
            FStream.Seek(-1, soCurrent);
            PropValueError();
    }
}

long double TReader::ReadFloat() {
    switch (NextValue()) {
        case vaExtended: {
            ReadValue();
            long double v = 0;
            unsigned char bytes[sizeof(long double)] = {};
            ReadRaw(bytes, 10);
            std::memcpy(&v, bytes, sizeof v);
            return v;
        }
        case vaSingle: {
            ReadValue();
            float v;
            ReadRaw(&v, 4);
            return v;
        }
        case vaDate: {
            ReadValue();
            double v;
            ReadRaw(&v, 8);
            return v;
        }
        case vaCurrency: {
            ReadValue();
            int64_t v;
            ReadRaw(&v, 8);
            return static_cast<long double>(v) / 10000;
        }
        default:
            return static_cast<long double>(ReadInteger());
    }
}

std::string TReader::ReadString() {
    switch (ReadValue()) {
        case vaString:
            return Cp1252ToUtf8(ReadStr());
        case vaLString: {
            std::string bytes(ReadLength(), '\0');
            ReadRaw(bytes.data(), int64_t(bytes.size()));
            return Cp1252ToUtf8(bytes);
        }
        case vaUTF8String: {
            std::string text(ReadLength(), '\0');
            ReadRaw(text.data(), int64_t(text.size()));
            return text;
        }
        case vaWString: {
            uint32_t count;
            ReadRaw(&count, 4);
            CheckAvailable(int64_t(count) * 2, FStream.Position() - 4);
            std::u16string units(count, u'\0');
            ReadRaw(units.data(), int64_t(count) * 2);
            return Utf16ToUtf8(units);
        }
        default:
            FStream.Seek(-1, soCurrent);
            PropValueError();
    }
}

std::string TReader::ReadIdent() {
    switch (ReadValue()) {
        case vaIdent:
            return ReadStr();
        case vaFalse:
            return "False";
        case vaTrue:
            return "True";
        case vaNil:
            return "nil";
        case vaNull:
            return "Null";
        default:
            FStream.Seek(-1, soCurrent);
            PropValueError();
    }
}

bool TReader::ReadBoolean() {
    switch (ReadValue()) {
        case vaTrue:
            return true;
        case vaFalse:
            return false;
        default:
            FStream.Seek(-1, soCurrent);
            PropValueError();
    }
}

std::vector<uint8_t> TReader::ReadBinary() {
    CheckValue(vaBinary);
    std::vector<uint8_t> data(ReadLength());
    if (!data.empty()) ReadRaw(data.data(), int64_t(data.size()));
    return data;
}

std::string TReader::ReadStr() {
    uint8_t n;
    ReadRaw(&n, 1);
    std::string s(n, '\0');
    if (n) ReadRaw(s.data(), n);
    return s;
}

void TReader::SkipValue() {
    TNestingGuard nesting(FDepth);
    auto skip = [this](int64_t n) {
        CheckAvailable(n, FStream.Position());
        FStream.Seek(n, soCurrent);
    };
    switch (ReadValue()) {
        case vaNull:
        case vaFalse:
        case vaTrue:
        case vaNil:
            break;
        case vaList:
            while (!EndOfList()) SkipValue();
            ReadListEnd();
            break;
        case vaInt8:
            skip(1);
            break;
        case vaInt16:
            skip(2);
            break;
        case vaInt32:
        case vaSingle:
            skip(4);
            break;
        case vaInt64:
        case vaCurrency:
        case vaDate:
            skip(8);
            break;
        case vaExtended:
            skip(10);
            break;
        case vaString:
        case vaIdent:
            ReadStr();
            break;
        case vaBinary:
        case vaLString:
        case vaUTF8String:
            skip(ReadLength());
            break;
        case vaWString: {
            uint32_t count;
            ReadRaw(&count, 4);
            skip(int64_t(count) * 2);
            break;
        }
        case vaSet:
            while (!ReadStr().empty()) {
            }
            break;
        case vaCollection:
            while (!EndOfList()) {
                TValueType next = NextValue();
                if (next == vaInt8 || next == vaInt16 || next == vaInt32) SkipValue();
                ReadListBegin();
                while (!EndOfList()) {
                    ReadStr();
                    SkipValue();
                }
                ReadListEnd();
            }
            ReadListEnd();
            break;
        default:
            FStream.Seek(-1, soCurrent);
            PropValueError();
    }
}

void TReader::DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc&,
                             bool) {
    if (FPropName.empty() || !read || !SameText(name, FPropName)) return;
    FPropName.clear();
    read(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& read,
                                   const TStreamProc&, bool) {
    if (FPropName.empty() || !read || !SameText(name, FPropName)) return;
    FPropName.clear();
    CheckValue(vaBinary);
    uint32_t size = ReadLength();
    TMemoryStream block;
    if (size) block.CopyFrom(FStream, size);
    block.SetPosition(0);
    read(block);
}

TComponent* ReadComponentFromStream(TStream& stream, TComponent* root, TComponent* owner) {
    TReader reader(stream);
    return reader.ReadRootComponent(root, owner);
}
