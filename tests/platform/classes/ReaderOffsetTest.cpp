// A damaged component stream is refused with the runtime's message and the byte offset where
// reading failed, by the reader and by the conversion to text alike.
#include <gtest/gtest.h>

#include <memory>

#include "TestFamily.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"

namespace {

class ReaderOffset : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterTestFamily(); }
};

// "TPF0", the class TTestShape at 4, the name A at 15, a property name at 17.
std::string Stream(const std::string& rest) {
    return std::string(
               "TPF0\x0ATTestShape\x01"
               "A",
               17) +
           rest;
}

TEST_F(ReaderOffset, EveryRefusalNamesWhereReadingStopped) {
    const struct {
        std::string bytes;
        const char* message;
        int64_t offset;
        bool textToo;  // the text conversion reads it the same way (it knows no classes)
    } cases[] = {
        {"TPF1" + Stream("").substr(4), "Invalid stream format", 0, true},
        {Stream("\x05"
                "Count\x63"),
         "Invalid property value", 23, true},
        {Stream("\x05"
                "Count\x02"),
         "Stream read error", 24, true},
        {Stream(std::string("\x07"
                            "Caption\x0C\xFF\xFF\xFF\xFF",
                            13)),
         "Stream read error", 26, true},
        {Stream(std::string("\x04"
                            "Nope\x02\x01\0\0",
                            9)),
         "Property Nope does not exist", 22, false},
        {std::string("TPF0\x05TNope\x01"
                     "A\0\0",
                     14),
         "Class TNope not found", 12, false},
    };
    for (const auto& c : cases) {
        TMemoryStream in;
        in.WriteBuffer(c.bytes.data(), int64_t(c.bytes.size()));
        in.SetPosition(0);
        try {
            std::unique_ptr<TComponent> root(ReadComponentFromStream(in));
            ADD_FAILURE() << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
            EXPECT_EQ(e.ByteOffset(), c.offset) << c.message;
        }
        if (!c.textToo) continue;
        in.SetPosition(0);
        TMemoryStream text;
        try {
            ObjectBinaryToText(in, text);
            ADD_FAILURE() << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
            EXPECT_EQ(e.ByteOffset(), c.offset) << c.message;
        }
    }
}

TEST_F(ReaderOffset, WideStringsReadThroughTheSharedConversion) {
    // "A", a pair for U+1F600, and a lone high surrogate that becomes U+FFFD.
    const std::string bytes =
        Stream(std::string("\x07"
                           "Caption\x12\x04\0\0\0"
                           "A\0\x3D\xD8\x00\xDE\x00\xD8"
                           "\0\0",
                           23));
    TMemoryStream in;
    in.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    in.SetPosition(0);
    std::unique_ptr<TTestShape> shape(As<TTestShape>(ReadComponentFromStream(in)));
    EXPECT_EQ(shape->Caption(), "A\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

}  // namespace
