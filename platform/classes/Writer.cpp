#include "platform/classes/Writer.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/classes/ClassErrors.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/PropAccess.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/Strings.h"

static_assert(LDBL_MANT_DIG == 64, "the stream's floats are the 80-bit extended format");

namespace {

template <class I>
void PutLE(TStream& s, I value) {
    unsigned char bytes[sizeof(I)];
    for (size_t i = 0; i < sizeof(I); ++i)
        bytes[i] = static_cast<unsigned char>(uint64_t(value) >> (8 * i));
    s.WriteBuffer(bytes, sizeof(I));
}

}  // namespace

TWriter::~TWriter() = default;

void TWriter::WriteSignature() { FStream.WriteBuffer(FilerSignature, 4); }

void TWriter::WriteRootComponent(TComponent* root) {
    WriteSignature();
    FRoot = root;
    WriteComponent(root);
}

void TWriter::WriteComponent(TComponent* component) {
    // The writing state holds while the component and its children are written, on every path.
    struct TWritingState {
        TComponent* c;
        bool was;
        ~TWritingState() {
            if (!was) c->SetState(csWriting, false);
        }
    } writing{component, component->ComponentState().Contains(csWriting)};
    component->SetState(csWriting, true);
    if (!FRoot) FRoot = component;
    WriteStr(component->ClassName());
    WriteStr(component->Name());
    std::string savedPath = std::move(FPropPath);
    FPropPath.clear();
    WriteProperties(component);
    WriteListEnd();
    component->GetChildren([this](TComponent* child) { WriteComponent(child); }, FRoot);
    WriteListEnd();
    FPropPath = std::move(savedPath);
}

void TWriter::WriteProperties(const TPersistent* instance) {
    // A read-only value could not be read back, so it is not written; sub-objects and lists
    // are filled in place and always qualify.
    for (const TPropInfo& prop : instance->ClassType().Properties())
        if (!prop.IsReadOnly() && prop.IsStored(instance)) WriteProperty(instance, prop);
    const_cast<TPersistent*>(instance)->DefineProperties(*this);
}

void TWriter::WriteProperty(const TPersistent* instance, const TPropInfo& prop) {
    if (prop.Kind == tkClass) {
        TObject* value = prop.GetObject(instance);
        if (auto* collection = dynamic_cast<const TCollection*>(value)) {
            if (collection->Count() == 0) return;
            WritePropName(prop.Name);
            WriteCollection(collection);
        } else if (auto* sub = dynamic_cast<const TPersistent*>(value);
                   sub && !dynamic_cast<const TComponent*>(value)) {
            std::string saved = FPropPath;
            FPropPath += prop.Name + ".";
            WriteProperties(sub);
            FPropPath = std::move(saved);
        }
        return;
    }
    if (prop.IsDefaultValue(instance)) return;
    if (prop.Kind == tkStrings) {
        const TStrings* lines = prop.GetStrings(instance);
        WritePropName(prop.Name + ".Strings");
        WriteListBegin();
        for (int i = 0; i < lines->Count(); ++i) WriteString(lines->Get(i));
        WriteListEnd();
        return;
    }
    switch (prop.Kind) {
        case tkInteger:
        case tkColor: {
            WritePropName(prop.Name);
            int64_t value = prop.GetOrd(instance);
            std::string ident;
            if (prop.Idents && prop.Idents->ToIdent(value, ident))
                WriteIdent(ident);
            else
                WriteInteger(value);
            break;
        }
        case tkEnumeration:
            WritePropName(prop.Name);
            WriteIdent(prop.EnumInfo->Name(prop.GetOrd(instance)));
            break;
        case tkBoolean:
            WritePropName(prop.Name);
            WriteBoolean(prop.GetOrd(instance) != 0);
            break;
        case tkSet: {
            WritePropName(prop.Name);
            WriteValue(vaSet);
            uint64_t mask = uint64_t(prop.GetOrd(instance));
            for (int i = 0; i < prop.EnumInfo->Count() && i < 64; ++i)
                if (mask & (uint64_t(1) << i)) WriteStr(prop.EnumInfo->Name(i));
            WriteStr("");
            break;
        }
        case tkFloat: {
            WritePropName(prop.Name);
            long double v = prop.GetFloat(instance);
            switch (prop.FloatType) {
                case ftSingle:
                    WriteSingle(float(v));
                    break;
                case ftDate:
                    WriteDate(double(v));
                    break;
                default:
                    WriteFloat(v);
                    break;
            }
            break;
        }
        case tkString:
            WritePropName(prop.Name);
            WriteString(prop.GetStr(instance));
            break;
        case tkComponent: {
            std::string name = ComponentRefName(static_cast<TComponent*>(prop.GetObject(instance)));
            if (name.empty()) return;  // an unnamed component cannot be found again
            WritePropName(prop.Name);
            WriteIdent(name);
            break;
        }
        case tkMethod:
            WritePropName(prop.Name);
            WriteIdent(prop.GetStr(instance));
            break;
        default:
            break;
    }
}

std::string TWriter::ComponentRefName(const TComponent* c) const {
    if (!c || c->Name().empty()) return {};
    if (c == FRoot || c->Owner() == FRoot) return c->Name();
    if (c->Owner() && !c->Owner()->Name().empty()) return c->Owner()->Name() + "." + c->Name();
    return c->Name();
}

void TWriter::WriteValue(TValueType type) {
    uint8_t b = type;
    FStream.WriteBuffer(&b, 1);
}

void TWriter::WriteInteger(int64_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) {
        WriteValue(vaInt8);
        PutLE<int8_t>(FStream, int8_t(value));
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        WriteValue(vaInt16);
        PutLE<int16_t>(FStream, int16_t(value));
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        WriteValue(vaInt32);
        PutLE<int32_t>(FStream, int32_t(value));
    } else {
        WriteValue(vaInt64);
        PutLE<int64_t>(FStream, value);
    }
}

// Every NaN is written as the one the text form spells NAN and reads back bit for bit: a NaN
// with a sign or a payload (what an invalid operation or an unnormal 80-bit value read from a
// file gives) could be saved in the binary form but not in the text form.
void TWriter::WriteFloat(long double value) {
    if (std::isnan(value)) value = std::numeric_limits<long double>::quiet_NaN();
    WriteValue(vaExtended);
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &value, sizeof value);
    FStream.WriteBuffer(bytes, 10);
}

void TWriter::WriteDouble(double value) { WriteFloat(value); }

void TWriter::WriteSingle(float value) {
    if (std::isnan(value)) value = std::numeric_limits<float>::quiet_NaN();
    WriteValue(vaSingle);
    FStream.WriteBuffer(&value, 4);
}

void TWriter::WriteDate(double value) {
    if (std::isnan(value)) value = std::numeric_limits<double>::quiet_NaN();
    WriteValue(vaDate);
    FStream.WriteBuffer(&value, 8);
}

void TWriter::WriteCurrency(int64_t tenThousandths) {
    WriteValue(vaCurrency);
    PutLE<int64_t>(FStream, tenThousandths);
}

void TWriter::WriteString(const std::string& text) {
    std::string bytes;
    if (Utf8ToCp1252(text, bytes)) {
        if (bytes.size() <= 255) {
            WriteValue(vaString);
            WriteStr(bytes);
        } else {
            WriteValue(vaLString);
            PutLE<uint32_t>(FStream, uint32_t(bytes.size()));
            FStream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
        }
    } else {
        WriteValue(vaUTF8String);
        PutLE<uint32_t>(FStream, uint32_t(text.size()));
        FStream.WriteBuffer(text.data(), int64_t(text.size()));
    }
}

void TWriter::WriteIdent(const std::string& ident) {
    if (ident == "False")
        WriteValue(vaFalse);
    else if (ident == "True")
        WriteValue(vaTrue);
    else if (ident == "nil")
        WriteValue(vaNil);
    else if (ident == "Null")
        WriteValue(vaNull);
    else {
        WriteValue(vaIdent);
        WriteStr(ident);
    }
}

void TWriter::WriteBinary(const void* data, uint32_t size) {
    WriteValue(vaBinary);
    PutLE<uint32_t>(FStream, size);
    FStream.WriteBuffer(data, size);
}

void TWriter::WriteCollection(const TCollection* collection) {
    WriteValue(vaCollection);
    std::string saved = std::move(FPropPath);
    FPropPath.clear();
    for (int i = 0; i < collection->Count(); ++i) {
        WriteListBegin();
        WriteProperties(collection->Items(i));
        WriteListEnd();
    }
    WriteListEnd();
    FPropPath = std::move(saved);
}

void TWriter::WriteStr(const std::string& text) {
    if (text.size() > 255) throw EWriteError(SWriteError);
    uint8_t n = uint8_t(text.size());
    FStream.WriteBuffer(&n, 1);
    FStream.WriteBuffer(text.data(), n);
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc& write,
                             bool hasData) {
    if (!hasData || !write) return;
    WritePropName(name);
    // Objects the custom writer writes have names of their own, without this one's path.
    std::string saved = std::move(FPropPath);
    FPropPath.clear();
    write(*this);
    FPropPath = std::move(saved);
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&,
                                   const TStreamProc& write, bool hasData) {
    if (!hasData || !write) return;
    TMemoryStream block;
    write(block);
    WritePropName(name);
    WriteBinary(block.Memory(), uint32_t(block.Size()));
}

void WriteComponentToStream(TStream& stream, TComponent* root) {
    TWriter writer(stream);
    writer.WriteRootComponent(root);
}
