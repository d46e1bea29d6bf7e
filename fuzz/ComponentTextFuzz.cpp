// The text form of the component stream: text that converts to binary converts back to text that
// gives the same binary, and the component it holds survives the trip.
#include "fuzz/ComponentFuzzing.h"
#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/ObjectText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PrepareComponentFuzzing();
    return RunFuzzInput([&] {
        TMemoryStream text, binary;
        FillStream(text, data, size);
        ObjectTextToBinary(text, binary);
        const std::string bytes = StreamBytes(binary);
        const std::string textBack = CheckBinaryTextRoundTrip(bytes);
        FuzzCheck(!textBack.empty(), "binary to text refused the binary made from text");
        TMemoryStream textStream, again;
        FillStream(textStream, textBack.data(), textBack.size());
        ObjectTextToBinary(textStream, again);
        FuzzCheck(StreamBytes(again) == bytes,
                  "text -> binary -> text -> binary changes the binary");
    });
}
