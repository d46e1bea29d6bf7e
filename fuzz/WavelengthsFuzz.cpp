// The wavelength list text file: a list that reads is written, and that reads back and writes the
// same bytes.
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "fuzz/TextFileFuzzing.h"
#include "workbench/GeneratrixFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    return RunFuzzInput([&] {
        CheckTextFileRoundTrip<std::vector<double>>(
            bytes, "wavelength",
            [](const std::string& b, std::vector<double>& w, std::string& m) {
                return ReadWavelengthFile(b, "wavelengths.txt", w, m);
            },
            [](const std::vector<double>& w) { return WavelengthFileBytes(w); });
    });
}
