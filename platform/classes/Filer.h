#pragma once
// The common ground of the component stream's writer and reader: the value tags of the binary
// form and the definition of the properties that are not published (DefineProperties).
#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtl/Streams.h"

class TComponent;
class TPersistent;
class TReader;
class TWriter;

// The tag before every value of the binary form.
enum TValueType : uint8_t {
    vaNull = 0,  // also the end of a list
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,  // 10-byte 80-bit float
    vaString = 6,    // 1-byte length, Windows-1252
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,   // 4-byte length
    vaSet = 11,      // names ended by an empty one
    vaLString = 12,  // 4-byte length, Windows-1252
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,  // 64-bit integer of ten-thousandths
    vaDate = 17,      // 8-byte double
    vaWString = 18,   // 4-byte count of UTF-16 units
    vaInt64 = 19,
    vaUTF8String = 20,  // 4-byte length
};

// Flags of a component header's prefix byte (0xF0 | flags).
enum TFilerFlag : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

inline constexpr char FilerSignature[4] = {'T', 'P', 'F', '0'};
inline constexpr const char* SInvalidImage = "Invalid stream format";

// Counts the nesting of lists, collections and components while a stream is read, so that a
// damaged stream nested beyond any real one fails with "Invalid stream format" instead of
// exhausting the stack.
class TNestingGuard {
public:
    static constexpr int MaxDepth = 200;
    explicit TNestingGuard(int& depth);
    ~TNestingGuard() { --FDepth; }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;

private:
    int& FDepth;
};

class TFiler {
public:
    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    explicit TFiler(TStream& stream) : FStream(stream) {}
    virtual ~TFiler();
    TFiler(const TFiler&) = delete;
    TFiler& operator=(const TFiler&) = delete;

    TStream& Stream() { return FStream; }
    // The component that names are relative to: a reference to a component the root owns is
    // written by its bare name. The writer takes the component it writes first when none is set.
    TComponent* Root() const { return FRoot; }
    void SetRoot(TComponent* root) { FRoot = root; }
    // The object a written one is compared with, so that only what differs from it is kept
    // (a descendant written against its ancestor); none by default. Defined properties
    // consult it in their hasData.
    const TPersistent* Ancestor() const { return FAncestor; }
    void SetAncestor(const TPersistent* ancestor) { FAncestor = ancestor; }

    // A property with its own reader and writer of stream values. The writer writes it only
    // when hasData is true.
    virtual void DefineProperty(const std::string& name, const TReaderProc& read,
                                const TWriterProc& write, bool hasData) = 0;
    // A block of bytes behind the stream's own length prefix: write fills a stream, read gets
    // a stream holding exactly the block.
    virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& read,
                                      const TStreamProc& write, bool hasData) = 0;

protected:
    TStream& FStream;
    TComponent* FRoot = nullptr;
    const TPersistent* FAncestor = nullptr;
};
