// The generatrix (profile) text file: a profile that reads is written, and that reads back and
// writes the same bytes.
#include "fuzz/FuzzSupport.h"
#include "fuzz/TextFileFuzzing.h"
#include "workbench/GeneratrixFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    return RunFuzzInput([&] {
        CheckTextFileRoundTrip<TGeneratrix>(
            bytes, "generatrix",
            [](const std::string& b, TGeneratrix& g, std::string& m) {
                return ReadGeneratrixFile(b, "profile.txt", g, m);
            },
            [](const TGeneratrix& g) { return GeneratrixFileBytes(g); });
    });
}
