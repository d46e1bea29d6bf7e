// The dataset text file ("Initial Data"): a dataset that reads is written, and that reads back
// and writes the same bytes.
#include "fuzz/FuzzSupport.h"
#include "fuzz/TextFileFuzzing.h"
#include "workbench/DatasetTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    return RunFuzzInput([&] {
        CheckTextFileRoundTrip<TDatasetText>(
            bytes, "dataset",
            [](const std::string& b, TDatasetText& d, std::string& m) {
                return ReadDatasetFile(b, d, m);
            },
            [](const TDatasetText& d) { return DatasetFileBytes(d); });
    });
}
