// The binary component stream: a component that reads writes back the same on every pass, and the
// stream's text form converts back to the same component.
#include "fuzz/ComponentFuzzing.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PrepareComponentFuzzing();
    return RunFuzzInput([&] {
        const std::string binary(reinterpret_cast<const char*>(data), size);
        CheckComponentRoundTrip(binary);
        CheckBinaryTextRoundTrip(binary);
    });
}
