#include "fuzz/ComponentFuzzing.h"

#include <memory>

#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "tests/platform/classes/TestFamily.h"

namespace {

std::unique_ptr<TComponent> ReadRoot(const std::string& binary) {
    TMemoryStream in;
    FillStream(in, binary.data(), binary.size());
    return std::unique_ptr<TComponent>(ReadComponentFromStream(in));
}

std::string WriteRoot(TComponent* root) {
    TMemoryStream out;
    WriteComponentToStream(out, root);
    return StreamBytes(out);
}

std::string Convert(const std::string& bytes, void (*convert)(TStream&, TStream&)) {
    TMemoryStream in, out;
    FillStream(in, bytes.data(), bytes.size());
    convert(in, out);
    return StreamBytes(out);
}

}  // namespace

void PrepareComponentFuzzing() {
    static const bool registered = [] {
        RegisterTestFamily();
        return true;
    }();
    (void)registered;
}

std::string CheckComponentRoundTrip(const std::string& binary) {
    std::string written;
    try {
        written = WriteRoot(ReadRoot(binary).get());
    } catch (const Exception&) {
        return {};
    }
    const std::string again =
        MustAccept("the component reader", [&] { return WriteRoot(ReadRoot(written).get()); });
    FuzzCheck(again == written, "a component read back writes other bytes");
    return written;
}

std::string CheckBinaryTextRoundTrip(const std::string& binary) {
    std::string text;
    try {
        text = Convert(binary, ObjectBinaryToText);
    } catch (const Exception&) {
        return {};
    }
    const std::string back =
        MustAccept("text to binary", [&] { return Convert(text, ObjectTextToBinary); });
    const std::string textAgain =
        MustAccept("binary to text", [&] { return Convert(back, ObjectBinaryToText); });
    FuzzCheck(textAgain == text, "binary -> text -> binary -> text changes the text");
    // The stream through its text holds the same component as the stream itself.
    const std::string direct = CheckComponentRoundTrip(binary);
    if (!direct.empty()) {
        const std::string throughText = MustAccept("the component reader (through text)",
                                                   [&] { return WriteRoot(ReadRoot(back).get()); });
        FuzzCheck(throughText == direct, "the component read through its text differs");
    }
    return text;
}
