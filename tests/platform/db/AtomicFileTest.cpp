#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/db/AtomicFile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// What the folder holds, files and folders.
size_t Entries(const TTempDir& dir) {
    return size_t(std::distance(fs::directory_iterator(dir.Path()), {}));
}

}  // namespace

TEST(AtomicFile, SaveReplacesTheFileAndLeavesNothingElse) {
    TTempDir dir;
    const std::string file = (dir.Path() / "db.dbs").string();
    const std::string bytes("\x96\x19\xE0\xBD\0binary", 11);
    SaveFileAtomic(file, "old content");
    SaveFileAtomic(file, bytes);
    EXPECT_EQ(LoadFileBytes(file), bytes);
    EXPECT_EQ(Entries(dir), 1u);
    SaveFileAtomic(file, "");
    EXPECT_EQ(LoadFileBytes(file), "");
}

TEST(AtomicFile, FailedSavesKeepWhatWasThere) {
    TTempDir dir;
    // No such folder: nothing is created.
    EXPECT_THROW(SaveFileAtomic((dir.Path() / "missing" / "db.dbs").string(), "x"), EFCreateError);
    // The target is a folder with content: the rename fails, the folder stays, no temporary file.
    fs::create_directories(dir.Path() / "db.dbs" / "inner");
    EXPECT_THROW(SaveFileAtomic((dir.Path() / "db.dbs").string(), "x"), EStreamError);
    EXPECT_TRUE(fs::is_directory(dir.Path() / "db.dbs" / "inner"));
    EXPECT_EQ(Entries(dir), 1u);
    EXPECT_THROW(LoadFileBytes((dir.Path() / "none.dbs").string()), EFOpenError);
}

// Content made in memory: a writer that raises half way leaves the old file whole.
TEST(AtomicFile, ContentThatCannotBeMadeLeavesTheFile) {
    TTempDir dir;
    const std::string file = (dir.Path() / "chart.xls").string();
    auto halfWay = [](TStream& stream) {
        stream.WriteBuffer("new", 3);
        throw EWriteError("refused");
    };
    EXPECT_THROW(SaveFileAtomic(file, halfWay), EWriteError);
    EXPECT_EQ(Entries(dir), 0u);
    SaveFileAtomic(file, "old");
    EXPECT_THROW(SaveFileAtomic(file, halfWay), EWriteError);
    EXPECT_EQ(LoadFileBytes(file), "old");
    SaveFileAtomic(file, [](TStream& stream) { stream.WriteBuffer("new", 3); });
    EXPECT_EQ(LoadFileBytes(file), "new");
    EXPECT_EQ(Entries(dir), 1u);
}
