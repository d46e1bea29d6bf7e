#pragma once
// One running program at a time: a lock file held with an exclusive flock for the life of the
// process. The system lets it go when the process ends, also after a crash, so no stale lock
// can keep the program out.
#include <string>

class TInstanceLock {
public:
    TInstanceLock();
    ~TInstanceLock();
    TInstanceLock(const TInstanceLock&) = delete;
    TInstanceLock& operator=(const TInstanceLock&) = delete;

    // Takes the lock on folder/fileName (creating the file); false when another process, or
    // another open of the file in this one, holds it, or the file cannot be opened. Without a
    // file name, "." + the program's name in lower case + ".lock".
    bool Acquire(const std::string& folder, const std::string& fileName = {});
    bool Held() const { return FHandle >= 0; }
    void Release();

private:
    int FHandle = -1;
};

// What a second start of the program says: its name + " is already running".
std::string AlreadyRunningText();
