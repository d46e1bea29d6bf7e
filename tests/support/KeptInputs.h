#pragma once
// The inputs kept under fuzz/regressions/<reader>/, for unit tests that replay them as the fuzz
// driver does: every file of the folder but .gitkeep and *.md, in name order.
//   for (const TKeptInput& input : KeptInputs(std::filesystem::path(KV_FUZZ_REGRESSIONS) / "gif"))
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct TKeptInput {
    std::string Name;
    std::string Bytes;
};

inline std::vector<TKeptInput> KeptInputs(const std::filesystem::path& folder) {
    std::vector<TKeptInput> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::filesystem::path& path = entry.path();
        if (!entry.is_regular_file() || path.filename() == ".gitkeep" || path.extension() == ".md")
            continue;
        std::ifstream in(path, std::ios::binary);
        inputs.push_back(
            {path.filename().string(), std::string(std::istreambuf_iterator<char>(in), {})});
    }
    std::sort(inputs.begin(), inputs.end(),
              [](const TKeptInput& a, const TKeptInput& b) { return a.Name < b.Name; });
    return inputs;
}
