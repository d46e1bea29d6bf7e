#pragma once
// Reading members of a zip archive held in memory, as workbook files are: the central directory
// is found from its end record and every member's sizes and offsets are checked against the
// archive before anything is read; members are stored or deflated. A damaged archive raises
// EZipError naming what is wrong.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(EZipError, Exception)

class TZipReader {
public:
    explicit TZipReader(std::string archive);

    bool Has(const std::string& name) const;
    // The member's bytes; EZipError when it is absent or cannot be inflated.
    std::string Extract(const std::string& name) const;

private:
    struct TMember {
        std::string Name;
        uint16_t Method = 0;
        uint32_t CompressedSize = 0;
        uint32_t Size = 0;
        uint32_t LocalOffset = 0;
    };
    const TMember* Find(const std::string& name) const;

    std::string FArchive;
    std::vector<TMember> FMembers;
};
