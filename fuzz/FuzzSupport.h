#pragma once
// What every fuzzing harness shares. A harness feeds one input to a reader; the reader refusing it
// with an Exception (or one of its kin) is the normal answer to a damaged file. Anything else that
// leaves the harness is a fault: an exception of another kind, a crash, or a round trip that does
// not give back what was read, which the harness raises as TFuzzFault. Both drivers (libFuzzer and
// our own mutation driver, FuzzDriver.cpp) call the standard entry point LLVMFuzzerTestOneInput.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/rtl/Exceptions.h"

// A fault found by a harness. Deliberately not an Exception, so that no refusal handler takes it.
class TFuzzFault : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Raises TFuzzFault with what when ok is false.
inline void FuzzCheck(bool ok, const std::string& what) {
    if (!ok) throw TFuzzFault(what);
}

// Runs body, taking an Exception as the reader's refusal. Returns 0 as the entry point must.
template <class F>
int RunFuzzInput(F&& body) {
    try {
        body();
    } catch (const Exception&) {
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
