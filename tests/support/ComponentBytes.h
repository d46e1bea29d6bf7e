#pragma once
// The bytes of a component's stream: equal bytes, equal published state.
#include <string>

#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"

inline std::string Bytes(TComponent* c) {
    TMemoryStream s;
    WriteComponentToStream(s, c);
    return std::string(s.Memory(), size_t(s.Size()));
}
