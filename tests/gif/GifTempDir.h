#pragma once
// A folder of its own in the temporary folder for one test, made with a unique name and removed
// with everything in it when the test is done.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

class TGifTempDir {
public:
    TGifTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv_gif_XXXXXX").string();
        if (!mkdtemp(pattern.data())) ADD_FAILURE() << "no temporary folder";
        FPath = pattern;
    }
    TGifTempDir(const TGifTempDir&) = delete;
    TGifTempDir& operator=(const TGifTempDir&) = delete;
    ~TGifTempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    // name inside the folder.
    std::string File(const std::string& name) const { return (FPath / name).string(); }

private:
    std::filesystem::path FPath;
};
