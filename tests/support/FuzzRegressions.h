#pragma once
// The input of a mended fault, kept under fuzz/regressions/<reader>/<name>, for tests that
// replay it with checks of their own. The test program defines KV_FUZZ_REGRESSIONS as that
// folder (target_compile_definitions).
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

inline std::string FuzzRegressionBytes(const std::string& reader, const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(KV_FUZZ_REGRESSIONS) / reader / name;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A picture-import input (its first byte names the kind of picture file, the rest is the file)
// written as the picture file `path`, for a test that opens it as the user would.
inline void WritePictureImportFile(const std::string& name, const std::string& path) {
    const std::string bytes = FuzzRegressionBytes("chart-import", name).substr(1);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("Cannot write " + path);
}
