// The built program run as a user runs it, off screen: a copy in a scratch folder keeps its
// databases below itself, makes them on a first start, reads them on the next, and a copy started
// while another holds the lock ends at once with its message, having touched no file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/ui/InstanceLock.h"
#include "tests/support/TempDir.h"
#include "workbench/windows/MainWindow.h"

namespace fs = std::filesystem;

namespace {

struct TProgramCopy {
    TTempDir dir;
    fs::path exe = dir.Path() / "kavri320";

    TProgramCopy() {
        std::error_code error;
        fs::create_hard_link(KV_PROGRAM_PATH, exe, error);
        if (error) fs::copy_file(KV_PROGRAM_PATH, exe);
    }
    // Runs the copy without a display (it closes itself) and answers its exit code; its messages
    // go to `err`.
    int Run(std::string& err) const {
        const fs::path errFile = dir.Path() / "stderr.txt";
        const std::string command = "QT_QPA_PLATFORM=offscreen '" + exe.string() +
                                    "' </dev/null 2>'" + errFile.string() + "' >/dev/null";
        const int status = std::system(command.c_str());
        std::ifstream in(errFile);
        std::stringstream text;
        text << in.rdbuf();
        err = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::uintmax_t Size(const char* dbFile) const {
        std::error_code error;
        const auto size = fs::file_size(dir.Path() / "db" / dbFile, error);
        return error ? 0 : size;
    }
};

TEST(Program, FirstStartMakesTheDatabasesAndTheNextReadsThem) {
    TProgramCopy program;
    std::string err;
    ASSERT_EQ(program.Run(err), 0) << err;
    EXPECT_NE(err.find("File kavri320.dbs not found or corrupted\nEmpty database will be created"),
              std::string::npos)
        << err;
    // The empty databases as written at close.
    EXPECT_EQ(program.Size("kavri320.dbs"), 633u);
    EXPECT_EQ(program.Size("kavri320res.dbs"), 556u);
    EXPECT_TRUE(fs::is_directory(program.dir.Path() / "data" / "Datasets"));

    ASSERT_EQ(program.Run(err), 0) << err;
    EXPECT_EQ(err.find("kavri320.dbs"), std::string::npos) << err;
}

TEST(Program, ASecondCopyEndsAtOnceWithItsMessage) {
    TProgramCopy program;
    fs::create_directories(program.dir.Path() / "db");
    TInstanceLock running;
    ASSERT_TRUE(running.Acquire((program.dir.Path() / "db").string(), InstanceLockFile));
    std::string err;
    EXPECT_EQ(program.Run(err), 1);
    EXPECT_NE(err.find("KAVRI320 is already running"), std::string::npos) << err;
    EXPECT_EQ(program.Size("kavri320.dbs"), 0u);
    EXPECT_FALSE(fs::exists(program.dir.Path() / "data"));
}

}  // namespace
