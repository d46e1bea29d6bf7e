#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/db/AtomicFile.h"
#include "platform/rtl/Exceptions.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder per test, removed afterwards.
struct TTempFolder {
    fs::path Path;
    TTempFolder() {
        Path = fs::temp_directory_path() /
               ("kv-atomic-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Path);
        fs::create_directories(Path);
    }
    ~TTempFolder() { fs::remove_all(Path); }
    size_t Entries() const { return size_t(std::distance(fs::directory_iterator(Path), {})); }
};

}  // namespace

TEST(AtomicFile, SaveReplacesTheFileAndLeavesNothingElse) {
    TTempFolder dir;
    const std::string file = (dir.Path / "db.dbs").string();
    const std::string bytes("\x96\x19\xE0\xBD\0binary", 11);
    SaveFileAtomic(file, "old content");
    SaveFileAtomic(file, bytes);
    EXPECT_EQ(LoadFileBytes(file), bytes);
    EXPECT_EQ(dir.Entries(), 1u);
    SaveFileAtomic(file, "");
    EXPECT_EQ(LoadFileBytes(file), "");
}

TEST(AtomicFile, FailedSavesKeepWhatWasThere) {
    TTempFolder dir;
    // No such folder: nothing is created.
    EXPECT_THROW(SaveFileAtomic((dir.Path / "missing" / "db.dbs").string(), "x"), EFCreateError);
    // The target is a folder with content: the rename fails, the folder stays, no temporary file.
    fs::create_directories(dir.Path / "db.dbs" / "inner");
    EXPECT_THROW(SaveFileAtomic((dir.Path / "db.dbs").string(), "x"), EStreamError);
    EXPECT_TRUE(fs::is_directory(dir.Path / "db.dbs" / "inner"));
    EXPECT_EQ(dir.Entries(), 1u);
    EXPECT_THROW(LoadFileBytes((dir.Path / "none.dbs").string()), EFOpenError);
}
