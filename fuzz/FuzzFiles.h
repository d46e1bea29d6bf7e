#pragma once
// For harnesses of readers that take a file name: one scratch folder per process (a unique name in
// the temporary folder, removed at exit), and a file's bytes written and read whole.
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/TempDir.h"

inline const TTempDir& FuzzFolder() {
    static const TTempDir folder("kv-fuzz-");
    return folder;
}

inline void WriteFuzzFile(const std::string& fileName, const void* data, size_t size) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
}

inline std::string FuzzFileBytes(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
