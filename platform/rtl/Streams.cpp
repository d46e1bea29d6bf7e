#include "platform/rtl/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/rtl/Exceptions.h"

namespace {

// Read, write and seek over a contiguous container (vector or string) with a separate position;
// shared by the memory and string streams.
template <typename Container>
int64_t ReadFrom(const Container& data, int64_t& pos, void* buffer, int64_t count) {
    const int64_t avail = int64_t(data.size()) - pos;
    const int64_t n = std::min(count, avail);
    if (n <= 0) return 0;
    std::memcpy(buffer, data.data() + pos, size_t(n));
    pos += n;
    return n;
}

template <typename Container>
int64_t WriteTo(Container& data, int64_t& pos, const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    const int64_t end = pos + count;
    // resize grows the capacity geometrically, so a run of small writes stays linear.
    if (end > int64_t(data.size())) data.resize(size_t(end));
    std::memcpy(data.data() + pos, buffer, size_t(count));
    pos = end;
    return count;
}

int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t pos, int64_t size) {
    switch (origin) {
        case soBeginning:
            return offset;
        case soCurrent:
            return pos + offset;
        case soEnd:
            return size + offset;
    }
    return offset;
}

std::string Reason() { return std::strerror(errno); }

}  // namespace

// ---- TStream ----

TStream::~TStream() = default;

int64_t TStream::CheckedTarget(int64_t target) {
    if (target < 0) throw EStreamError("Invalid stream position (" + std::to_string(target) + ")");
    return target;
}

int64_t TStream::Size() {
    const int64_t pos = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count > 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count > 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count <= 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    const int64_t result = count;
    std::vector<char> buffer(size_t(std::min<int64_t>(count, 64 * 1024)));
    while (count > 0) {
        const int64_t n = std::min<int64_t>(count, int64_t(buffer.size()));
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        count -= n;
    }
    return result;
}

// ---- TMemoryStream ----

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    return ReadFrom(FData, FPosition, buffer, count);
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    return WriteTo(FData, FPosition, buffer, count);
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    FPosition = CheckedTarget(SeekTarget(offset, origin, FPosition, Size()));
    return FPosition;
}

void TMemoryStream::SetSize(int64_t newSize) {
    FData.resize(size_t(CheckedTarget(newSize)));
    FPosition = std::min(FPosition, newSize);
}

void TMemoryStream::Clear() {
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    stream.SetPosition(0);
    const int64_t size = stream.Size();
    std::vector<char> data(static_cast<size_t>(size));
    stream.ReadBuffer(data.data(), size);
    FData = std::move(data);  // the old content survives a failed read
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& stream) { stream.WriteBuffer(FData.data(), Size()); }

void TMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
    file.Flush();
}

// ---- TFileStream ----

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : FFileName(fileName) {
    if ((mode & fmCreate) == fmCreate) {
        FHandle = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (FHandle < 0)
            throw EFCreateError("Cannot create file \"" + fileName + "\". " + Reason());
        FCanRead = FCanWrite = true;
    } else {
        const int access = mode & 3;
        int flags = O_RDONLY;
        if (access == fmOpenWrite) flags = O_WRONLY;
        if (access == fmOpenReadWrite) flags = O_RDWR;
        FHandle = ::open(fileName.c_str(), flags | O_CLOEXEC);
        if (FHandle < 0) throw EFOpenError("Cannot open file \"" + fileName + "\". " + Reason());
        // A folder opens for reading on this system but is no file to stream.
        struct stat st;
        if (::fstat(FHandle, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(FHandle);
            errno = EISDIR;
            throw EFOpenError("Cannot open file \"" + fileName + "\". " + Reason());
        }
        FCanRead = access != fmOpenWrite;
        FCanWrite = access != fmOpenRead;
    }
    FBuffer.resize(size_t(kBufferSize));
}

TFileStream::~TFileStream() {
    try {
        FlushWrites();
    } catch (...) {
        // Nothing can be reported from here; Flush is the checked path.
    }
    ::close(FHandle);
}

void TFileStream::Flush() { FlushWrites(); }

void TFileStream::FlushWrites() {
    if (!FDirty) return;
    const char* src = FBuffer.data();
    int64_t left = FBufLen, offset = FBufStart;
    FDirty = false;
    FBufLen = 0;
    while (left > 0) {
        const ssize_t n = ::pwrite(FHandle, src, size_t(left), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw EWriteError(SWriteError);
        src += n;
        left -= n;
        offset += n;
    }
}

int64_t TFileStream::ReadDirect(char* dst, int64_t count, int64_t offset) {
    int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(FHandle, dst + done, size_t(count - done), offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // end of file, or an error the caller sees as a short read
        done += n;
    }
    return done;
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
    if (count <= 0 || !FCanRead) return 0;
    FlushWrites();
    char* dst = static_cast<char*>(buffer);
    int64_t done = 0;
    while (done < count) {
        if (FBufLen > 0 && FPosition >= FBufStart && FPosition < FBufStart + FBufLen) {
            const int64_t n = std::min(count - done, FBufStart + FBufLen - FPosition);
            std::memcpy(dst + done, FBuffer.data() + (FPosition - FBufStart), size_t(n));
            done += n;
            FPosition += n;
            continue;
        }
        int64_t n;
        if (count - done >= kBufferSize) {  // large reads bypass the buffer
            n = ReadDirect(dst + done, count - done, FPosition);
            done += n;
            FPosition += n;
        } else {
            n = ReadDirect(FBuffer.data(), kBufferSize, FPosition);
            FBufStart = FPosition;
            FBufLen = n;
        }
        if (n == 0) break;
    }
    return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    if (count <= 0 || !FCanWrite) return 0;
    if (!FDirty) FBufLen = 0;  // the read cache would go stale
    if (FDirty && (FPosition != FBufStart + FBufLen || FBufLen + count > kBufferSize))
        FlushWrites();
    if (count >= kBufferSize) {
        const char* src = static_cast<const char*>(buffer);
        int64_t done = 0;
        while (done < count) {
            const ssize_t n = ::pwrite(FHandle, src + done, size_t(count - done), FPosition);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += n;
            FPosition += n;
        }
        return done;
    }
    if (!FDirty) {
        FBufStart = FPosition;
        FDirty = true;
    }
    std::memcpy(FBuffer.data() + FBufLen, buffer, size_t(count));
    FBufLen += count;
    FPosition += count;
    return count;
}

int64_t TFileStream::Size() {
    struct stat st;
    int64_t size = ::fstat(FHandle, &st) == 0 ? int64_t(st.st_size) : 0;
    if (FDirty) size = std::max(size, FBufStart + FBufLen);
    return size;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    FPosition = CheckedTarget(SeekTarget(offset, origin, FPosition, origin == soEnd ? Size() : 0));
    return FPosition;
}

void TFileStream::SetSize(int64_t newSize) {
    CheckedTarget(newSize);
    FlushWrites();
    FBufLen = 0;
    if (!FCanWrite || ::ftruncate(FHandle, newSize) != 0) throw EWriteError(SWriteError);
    FPosition = std::min(FPosition, newSize);
}

// ---- TStringStream ----

int64_t TStringStream::Read(void* buffer, int64_t count) {
    return ReadFrom(FData, FPosition, buffer, count);
}

int64_t TStringStream::Write(const void* buffer, int64_t count) {
    return WriteTo(FData, FPosition, buffer, count);
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin) {
    FPosition = CheckedTarget(SeekTarget(offset, origin, FPosition, Size()));
    return FPosition;
}

void TStringStream::SetSize(int64_t newSize) {
    FData.resize(size_t(CheckedTarget(newSize)));
    FPosition = std::min(FPosition, newSize);
}

std::string TStringStream::ReadString(int64_t count) {
    const int64_t n = std::max<int64_t>(0, std::min(count, Size() - FPosition));
    std::string out = FData.substr(size_t(std::min(FPosition, Size())), size_t(n));
    FPosition += n;
    return out;
}
