#pragma once
// The inputs kept under fuzz/regressions/<reader>/: the faults the fuzz drivers found, mended
// since, for unit tests that replay them, all of a reader's as the fuzz driver does or one with
// checks of its own. A test source that reads them by reader and name gets KV_FUZZ_REGRESSIONS,
// that folder, as a compile definition (set_property(SOURCE ... COMPILE_DEFINITIONS)).
//   for (const TKeptInput& input : KeptInputs(std::filesystem::path(KV_FUZZ_REGRESSIONS) / "gif"))
//   Read(chart, KeptInputBytes("chart-stream", "deep-nesting.bin"));
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

// The whole file; a file that cannot be read fails the test that needs it.
inline std::string ReadKeptFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct TKeptInput {
    std::string Name;
    std::string Bytes;
};

// Every file of folder but .gitkeep and *.md, in name order.
inline std::vector<TKeptInput> KeptInputs(const std::filesystem::path& folder) {
    std::vector<TKeptInput> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::filesystem::path& path = entry.path();
        if (!entry.is_regular_file() || path.filename() == ".gitkeep" || path.extension() == ".md")
            continue;
        inputs.push_back({path.filename().string(), ReadKeptFile(path)});
    }
    std::sort(inputs.begin(), inputs.end(),
              [](const TKeptInput& a, const TKeptInput& b) { return a.Name < b.Name; });
    return inputs;
}

#ifdef KV_FUZZ_REGRESSIONS
// The input name kept for reader.
inline std::string KeptInputBytes(const std::string& reader, const std::string& name) {
    return ReadKeptFile(std::filesystem::path(KV_FUZZ_REGRESSIONS) / reader / name);
}

// A picture-import input (its first byte names the kind of picture file, the rest is the file)
// written as the picture file `path`, for a test that opens it as the user would.
inline void WritePictureImportFile(const std::string& name, const std::string& path) {
    const std::string bytes = KeptInputBytes("chart-import", name).substr(1);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("Cannot write " + path);
}
#endif
