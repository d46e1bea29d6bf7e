#pragma once
// The check the harnesses of the workbench's text files share: what the reader accepts, the writer
// writes, and that writing must read back and write the same bytes again.
#include <string>

#include "fuzz/FuzzSupport.h"

// read(bytes, value, message) answers whether the file was read; write(value) gives its bytes.
template <class T, class Read, class Write>
void CheckTextFileRoundTrip(const std::string& bytes, const std::string& reader, Read read,
                            Write write) {
    T value{};
    std::string message;
    if (!read(bytes, value, message)) return;
    const std::string written = write(value);
    T again{};
    const bool readBack = read(written, again, message);
    FuzzCheck(readBack, "the " + reader + " reader refuses its own writing: " + message);
    FuzzCheck(write(again) == written, "the " + reader + " read back writes other bytes");
}
