#pragma once
// A component's stream in its text form, and back: what a form file holds.
#include <string>

#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"

inline std::string StreamText(TComponent& c) {
    TMemoryStream binary, text;
    WriteComponentToStream(binary, &c);
    binary.SetPosition(0);
    ObjectBinaryToText(binary, text);
    return std::string(static_cast<const char*>(text.Memory()), size_t(text.Size()));
}

// The binary stream of a text form, positioned at its start.
inline TMemoryStream Binary(const std::string& text) {
    TMemoryStream in, binary;
    in.WriteBuffer(text.data(), int64_t(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(in, binary);
    binary.SetPosition(0);
    return binary;
}

inline void ReadText(const std::string& text, TComponent& c) {
    TMemoryStream binary = Binary(text);
    ReadComponentFromStream(binary, &c);
}
