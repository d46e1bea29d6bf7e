#pragma once
// Writes components to the binary component stream: a root with its published properties
// (those stored and not at their default), its sub-objects as dotted names, its collections,
// its defined properties, then the children its GetChildren lists, each the same way.
#include <cstdint>
#include <string>

#include "platform/classes/Filer.h"

class TCollection;
class TPersistent;
struct TPropInfo;

class TWriter : public TFiler {
public:
    explicit TWriter(TStream& stream) : TFiler(stream) {}
    ~TWriter() override;

    // The signature, then root and everything in it.
    void WriteRootComponent(TComponent* root);
    void WriteSignature();
    void WriteComponent(TComponent* component);
    // The published and defined properties of instance, names prefixed with the current path.
    void WriteProperties(const TPersistent* instance);

    // Values, for defined properties.
    void WriteValue(TValueType type);
    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }
    // In the smallest of 8, 16, 32 and 64 bits.
    void WriteInteger(int64_t value);
    void WriteFloat(long double value);
    void WriteSingle(float value);
    void WriteDouble(double value);  // as an extended
    void WriteDate(double value);
    void WriteCurrency(int64_t tenThousandths);
    // Windows-1252 when the text allows it (short or long form), UTF-8 otherwise.
    void WriteString(const std::string& text);
    // An identifier; False, True, nil and Null become their own tags.
    void WriteIdent(const std::string& ident);
    void WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }
    void WriteBinary(const void* data, uint32_t size);
    void WriteCollection(const TCollection* collection);
    // A length byte and the characters (names of properties and classes).
    void WriteStr(const std::string& text);

    void DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc& write,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const TStreamProc& read,
                              const TStreamProc& write, bool hasData) override;

    // Raw bytes of the form: a little-endian integer of `bytes` bytes.
    void WriteRaw(const void* data, int64_t size) { FStream.WriteBuffer(data, size); }

private:
    void WriteProperty(const TPersistent* instance, const TPropInfo& prop);
    void WritePropName(const std::string& name) { WriteStr(FPropPath + name); }
    std::string ComponentRefName(const TComponent* component) const;

    std::string FPropPath;  // "Pen." while writing a sub-object's properties
};

// The component as a whole stream, signature first.
void WriteComponentToStream(TStream& stream, TComponent* root);
