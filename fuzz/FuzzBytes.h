#pragma once
// Small helpers of the harnesses: an input as a stream, and a stream's bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Streams.h"

inline void FillStream(TMemoryStream& stream, const void* data, size_t size) {
    stream.WriteBuffer(data, int64_t(size));
    stream.SetPosition(0);
}

inline std::string StreamBytes(const TMemoryStream& stream) {
    return std::string(stream.Memory(), size_t(const_cast<TMemoryStream&>(stream).Size()));
}

// Runs step, which must not refuse what our own writer made: a refusal there is a fault.
template <class F>
auto MustAccept(const char* what, F&& step) {
    try {
        return step();
    } catch (const Exception& e) {
        throw TFuzzFault(std::string(what) + " refused our own output: " + e.Message());
    }
}
