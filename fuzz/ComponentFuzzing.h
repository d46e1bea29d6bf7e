#pragma once
// The checks the two component-stream harnesses share, on the test family of classes
// (tests/platform/classes/TestFamily.h).
#include <string>

// Registers the test family once.
void PrepareComponentFuzzing();

// Reads a component from binary; when it reads, writes it, reads that and writes it again: both
// writings must be the same bytes. Returns the first writing, empty when binary was refused.
std::string CheckComponentRoundTrip(const std::string& binary);

// The text of a binary stream must convert back to a binary stream whose text is the same text,
// and a component that reads from the one reads from the other too. Returns the text, empty when
// the binary stream was refused.
std::string CheckBinaryTextRoundTrip(const std::string& binary);
