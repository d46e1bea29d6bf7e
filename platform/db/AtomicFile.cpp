#include "platform/db/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace {

std::string SystemText(int error) { return std::strerror(error); }

// Closes the descriptor on every path.
struct TFileHandle {
    int Fd;
    ~TFileHandle() {
        if (Fd >= 0) ::close(Fd);
    }
};

}  // namespace

std::string LoadFileBytes(const std::string& fileName) {
    TFileHandle f{::open(fileName.c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.Fd < 0) throw EFOpenError("Cannot open file \"" + fileName + "\". " + SystemText(errno));
    struct stat st {};
    if (::fstat(f.Fd, &st) != 0 || !S_ISREG(st.st_mode))
        throw EFOpenError("Cannot open file \"" + fileName + "\". Not a regular file");
    std::string bytes;
    bytes.resize(size_t(st.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(f.Fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EReadError("Read error in \"" + fileName + "\". " + SystemText(errno));
        if (n == 0) break;  // the file shrank while we read it
        done += size_t(n);
    }
    bytes.resize(done);
    return bytes;
}

void SaveFileAtomic(const std::string& fileName, std::string_view bytes) {
    // A name of our own next to the target: same folder, so the rename stays on one file system.
    static std::atomic<unsigned> counter{0};
    std::string tempName;
    TFileHandle f{-1};
    for (int attempt = 0; attempt < 100 && f.Fd < 0; ++attempt) {
        tempName = fileName + ".~" + std::to_string(::getpid()) + "." + std::to_string(counter++);
        f.Fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (f.Fd < 0 && errno != EEXIST) break;
    }
    if (f.Fd < 0)
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + SystemText(errno));

    auto fail = [&](int error) {
        ::close(f.Fd);
        f.Fd = -1;
        ::unlink(tempName.c_str());
        throw EWriteError("Cannot write file \"" + fileName + "\". " + SystemText(error));
    };
    // Keep the old file's permissions when there is one.
    struct stat st {};
    if (::stat(fileName.c_str(), &st) == 0) ::fchmod(f.Fd, st.st_mode & 07777);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(f.Fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail(n < 0 ? errno : EIO);
        done += size_t(n);
    }
    if (::fsync(f.Fd) != 0) fail(errno);
    const int closed = ::close(f.Fd);
    f.Fd = -1;
    if (closed != 0) {
        const int error = errno;
        ::unlink(tempName.c_str());
        throw EWriteError("Cannot write file \"" + fileName + "\". " + SystemText(error));
    }
    if (::rename(tempName.c_str(), fileName.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempName.c_str());
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + SystemText(error));
    }
}

void SaveFileAtomic(const std::string& fileName, const std::function<void(TStream&)>& write) {
    TMemoryStream content;
    write(content);
    SaveFileAtomic(fileName, std::string_view(content.Memory(), size_t(content.Size())));
}
