#pragma once
// Byte streams: the abstract TStream and its memory, file and string forms. Positions and counts
// are 64-bit; Read and Write move at most the requested count and return what they moved, while
// ReadBuffer and WriteBuffer insist on the full count.
#include <cstdint>
#include <string>
#include <vector>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };
// The older names of the origins.
inline constexpr TSeekOrigin soFromBeginning = soBeginning;
inline constexpr TSeekOrigin soFromCurrent = soCurrent;
inline constexpr TSeekOrigin soFromEnd = soEnd;

inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";

class TStream {
public:
    virtual ~TStream();

    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Returns the new position. Seeking before the start raises EStreamError; seeking past the end
    // is allowed (a later write fills the gap with zeros).
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
    virtual int64_t Size();
    virtual void SetSize(int64_t newSize) = 0;

    // Raise EReadError / EWriteError when fewer than count bytes move.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    // Copies count bytes from source's current position; count 0 copies the whole source from its
    // start. Returns the number of bytes copied; a short source raises EReadError.
    int64_t CopyFrom(TStream& source, int64_t count);

protected:
    TStream() = default;
    // Checks a seek target and raises for a negative one.
    static int64_t CheckedTarget(int64_t target);
};

// A stream over a growable block of memory. Memory() stays valid until the next write that grows
// the block or SetSize/Clear.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return int64_t(FData.size()); }
    void SetSize(int64_t newSize) override;

    char* Memory() { return FData.data(); }
    const char* Memory() const { return FData.data(); }
    void Clear();
    // Replaces the content with the whole of stream (from its start) or of the file; the position
    // becomes 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    // Writes the whole content, whatever the position.
    void SaveToStream(TStream& stream);
    void SaveToFile(const std::string& fileName);

private:
    std::vector<char> FData;
    int64_t FPosition = 0;
};

// File open modes. fmCreate creates or truncates the file and opens it for reading and writing.
// The share flags are accepted for the callers' sake; files are not locked.
inline constexpr uint16_t fmCreate = 0xFF00;
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;
inline constexpr uint16_t fmShareCompat = 0x0000;
inline constexpr uint16_t fmShareExclusive = 0x0010;
inline constexpr uint16_t fmShareDenyWrite = 0x0020;
inline constexpr uint16_t fmShareDenyRead = 0x0030;
inline constexpr uint16_t fmShareDenyNone = 0x0040;

// A buffered file stream. Opening failures raise EFOpenError ("Cannot open file "name". reason")
// or EFCreateError ("Cannot create file "name". reason"). Writes are buffered: Flush writes them
// out and raises EWriteError when the system refuses; the destructor flushes too, but can only
// drop such an error, so callers that must know call Flush first.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& fileName, uint16_t mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override;
    void SetSize(int64_t newSize) override;

    void Flush();
    const std::string& FileName() const { return FFileName; }

private:
    static constexpr int64_t kBufferSize = 64 * 1024;

    void FlushWrites();
    int64_t ReadDirect(char* dst, int64_t count, int64_t offset);

    std::string FFileName;
    int FHandle = -1;
    bool FCanRead = false;
    bool FCanWrite = false;
    int64_t FPosition = 0;
    std::vector<char> FBuffer;
    // The buffer holds either file bytes read at FBufStart (FBufLen of them) or pending writes
    // for FBufStart (FBufLen of them, FDirty set); never both.
    int64_t FBufStart = 0;
    int64_t FBufLen = 0;
    bool FDirty = false;
};

// A stream over a std::string, for small texts.
class TStringStream : public TStream {
public:
    explicit TStringStream(std::string data = {}) : FData(std::move(data)) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return int64_t(FData.size()); }
    void SetSize(int64_t newSize) override;

    const std::string& DataString() const { return FData; }
    // Reads up to count bytes from the position.
    std::string ReadString(int64_t count);
    void WriteString(const std::string& s) { WriteBuffer(s.data(), int64_t(s.size())); }

private:
    std::string FData;
    int64_t FPosition = 0;
};
