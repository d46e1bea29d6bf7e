#pragma once
// A fresh folder of its own in the temporary folder (mkdtemp), removed with everything in it at
// the end of the scope: test programs run in parallel and repeated never meet in it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

class TScratchDir {
public:
    TScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv-XXXXXX").string();
        if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot make a folder in " << pattern;
        FPath = pattern;
    }
    ~TScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TScratchDir(const TScratchDir&) = delete;
    TScratchDir& operator=(const TScratchDir&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    // The path of name inside the folder.
    std::string File(const std::string& name) const { return (FPath / name).string(); }

private:
    std::filesystem::path FPath;
};
