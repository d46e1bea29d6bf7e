#pragma once
// A fresh folder of its own in the temporary folder, made with a unique name (so that two test
// programs, two runs of one program or two tests never share a file) and removed with all it
// holds when the object goes out of scope.
//   TTempDir dir;
//   const std::string file = dir.File("db.dbs");
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

class TTempDir {
public:
    explicit TTempDir(const std::string& prefix = "kv-test-") {
        std::string pattern =
            (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("Cannot make a temporary folder from " + pattern);
        FPath = pattern;
    }
    ~TTempDir() {
        std::error_code ignored;  // a destructor must not throw; a leftover folder is harmless
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    std::string Str() const { return FPath.string(); }
    // The full name of `name` inside the folder (the file is not made).
    std::string File(const std::string& name) const { return (FPath / name).string(); }

private:
    std::filesystem::path FPath;
};
