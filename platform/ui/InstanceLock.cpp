#include "platform/ui/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/rtl/ProgramName.h"
#include "platform/rtl/StrUtils.h"

TInstanceLock::TInstanceLock() = default;

TInstanceLock::~TInstanceLock() { Release(); }

bool TInstanceLock::Acquire(const std::string& folder, const std::string& fileName) {
    Release();
    const std::string name = fileName.empty() ? "." + LowerCase(ProgramName()) + ".lock" : fileName;
    const std::string path = folder.empty() ? name : folder + "/" + name;
    int handle = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (handle < 0) return false;
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        ::close(handle);
        return false;
    }
    FHandle = handle;
    return true;
}

void TInstanceLock::Release() {
    if (FHandle < 0) return;
    ::close(FHandle);  // closing the description lets the lock go
    FHandle = -1;
}

std::string AlreadyRunningText() { return ProgramName() + " is already running"; }
