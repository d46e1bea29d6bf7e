#pragma once
// Reads the binary component stream: creates (or fills) the root, sets its properties, creates
// its children by class name through the class registry, resolves the references between
// components once everything is read, and calls Loaded on every component read.
//
// A property that cannot be read (unknown name, bad value) goes to OnError: handled, the value
// is skipped and reading goes on; otherwise the error is raised. An event handler name the
// program does not have goes to OnFindMethod first, which may clear the error to skip it.
//
// An error raised while reading carries, as its ByteOffset, the stream position where reading
// failed (the value, name or length that could not be read); the message stays the runtime's.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/classes/Filer.h"

class Exception;

class TCollection;
class TStrings;
class TPersistent;
struct TPropInfo;

class TReader : public TFiler {
public:
    using TErrorEvent =
        std::function<void(TReader& reader, const std::string& message, bool& handled)>;
    using TFindMethodEvent =
        std::function<void(TReader& reader, const std::string& methodName, bool& error)>;

    explicit TReader(TStream& stream) : TFiler(stream) {}
    ~TReader() override;

    TErrorEvent OnError;
    TFindMethodEvent OnFindMethod;

    // Reads the signature and a root. With root given, reads into it (its class is taken as it
    // is, a name it already has is kept); otherwise creates the class the stream names, owned by
    // owner. A root this reader created is freed again when reading fails.
    TComponent* ReadRootComponent(TComponent* root, TComponent* owner = nullptr);
    void ReadSignature();
    // The owner and parent of the children being read.
    TComponent* Owner() const { return FOwner; }
    TComponent* Parent() const { return FParent; }

    // Decides whether a property that could not be read is skipped (true) or raised (false).
    // The base asks OnError, and raises without it.
    virtual bool Error(const std::string& message);
    // Gives an error raised while reading the current position as its offset, unless it has one.
    void MarkFailure(Exception& e);

    // Values, for defined properties. Each raises EReadError "Invalid property value" when the
    // next value is of another kind.
    TValueType ReadValue();
    TValueType NextValue();
    bool EndOfList();
    void ReadListBegin() { CheckValue(vaList); }
    void ReadListEnd() { CheckValue(vaNull); }
    void CheckValue(TValueType type);
    int64_t ReadInteger();
    long double ReadFloat();  // any float or integer form
    float ReadSingle() { return float(ReadFloat()); }
    double ReadDate() { return double(ReadFloat()); }
    std::string ReadString();  // UTF-8
    std::string ReadIdent();   // False, True, nil and Null too
    bool ReadBoolean();
    std::vector<uint8_t> ReadBinary();
    void ReadCollection(TCollection* collection);
    // One property (its name, then its value) of instance, with the error hooks; a custom reader
    // calls it until EndOfList to read an object's properties.
    void ReadProperty(TPersistent* instance);
    // A list of strings into lines, replacing what they held.
    void ReadStrings(TStrings* lines);
    // A length byte and the characters.
    std::string ReadStr();
    void SkipValue();

    void DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc& write,
                        bool hasData) override;
    void DefineBinaryProperty(const std::string& name, const TStreamProc& read,
                              const TStreamProc& write, bool hasData) override;

private:
    struct TFixup {
        TPersistent* instance;
        const TPropInfo* prop;
        std::string name;
    };

    TComponent* ReadComponent();
    // After a failed read: frees the root this reader created, or takes the reading states off
    // the components read into a given one.
    void ForgetFailedRoot(TComponent* root, bool created);
    void ReadComponentData(TComponent* component);
    void ReadPropValue(TPersistent* instance, const TPropInfo& prop);
    void ReadSetValue(TPersistent* instance, const TPropInfo& prop);
    void FixupReferences();
    TComponent* FindReference(const std::string& name) const;
    void ReadRaw(void* data, int64_t size);
    uint32_t ReadLength();
    // EReadError "Stream read error" when fewer than count bytes are left; the error's offset is
    // countAt, where the count was read.
    void CheckAvailable(int64_t count, int64_t countAt);
    [[noreturn]] void PropValueError();
    [[noreturn]] void Fail(const std::string& message, int64_t offset);

    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    std::string FPropName;  // the defined property being looked for
    std::vector<TFixup> FFixups;
    std::vector<TComponent*> FLoaded;
    int FDepth = 0;  // nesting of what is being read (TNestingGuard)
};

// Reads a whole component stream, signature first (see TReader::ReadRootComponent).
TComponent* ReadComponentFromStream(TStream& stream, TComponent* root = nullptr,
                                    TComponent* owner = nullptr);
