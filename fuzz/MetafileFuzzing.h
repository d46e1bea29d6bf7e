#pragma once
// The check the two metafile harnesses share: the file reads, plays back into a small bitmap, and
// what is saved of it reads back and saves to the same bytes again.
#include <cstddef>
#include <cstdint>

void CheckMetafile(const uint8_t* data, size_t size, bool enhanced);
