// The text form against the binary form at their edges: floats that are not finite or not
// normal, names and identifiers the text cannot hold, and lists that cannot hold Null.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "TestFamily.h"
#include "platform/classes/ClassErrors.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"

namespace {

std::string Convert(const std::string& bytes, void (*convert)(TStream&, TStream&)) {
    TMemoryStream in, out;
    in.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    in.SetPosition(0);
    convert(in, out);
    return std::string(out.Memory(), size_t(out.Size()));
}

// A TTestShape named A with one property, as the binary form.
std::string ShapeStream(const std::string& name, const std::string& value) {
    return std::string(
               "TPF0\x0ATTestShape\x01"
               "A",
               17) +
           char(name.size()) + name + value + std::string("\0\0", 2);
}

std::string Extended(long double v) {
    unsigned char bytes[sizeof v] = {};
    std::memcpy(bytes, &v, sizeof v);
    return "\x05" + std::string(reinterpret_cast<const char*>(bytes), 10);
}

template <class F>
std::string Raw(char tag, F v) {
    return tag + std::string(reinterpret_cast<const char*>(&v), sizeof v);
}

// An object of a class named by `length` letters, with nothing in it.
std::string LongClassName(const std::string& start, size_t length, const std::string& end = "") {
    return start + std::string(length, 'C') + end + "\r\nend\r\n";
}

class ObjectText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterTestFamily(); }
};

TEST_F(ObjectText, NonFiniteAndSubnormalFloatsKeepTheirBitsThroughText) {
    using LD = std::numeric_limits<long double>;
    const struct {
        std::string value;
        const char* text;
    } cases[] = {
        {Extended(LD::infinity()), "INF"},
        {Extended(-LD::infinity()), "-INF"},
        {Extended(LD::quiet_NaN()), "NAN"},
        {Extended(LD::denorm_min()), "4E-4951"},
        {Extended(LD::min() / 3), "1.120701047704031169E-4932"},
        {Extended(-0.0L), "-0.0"},
        {Raw('\x0F', std::numeric_limits<float>::infinity()), "INFs"},
        {Raw('\x0F', -std::numeric_limits<float>::infinity()), "-INFs"},
        {Raw('\x11', std::numeric_limits<double>::quiet_NaN()), "NANd"},
        {Raw('\x11', std::numeric_limits<double>::denorm_min()), "5E-324d"},
        // Currencies over their whole 64-bit range, exactly.
        {Raw('\x10', std::numeric_limits<int64_t>::min()), "-922337203685477.5808c"},
        {Raw('\x10', std::numeric_limits<int64_t>::max()), "922337203685477.5807c"},
    };
    for (const auto& c : cases) {
        const std::string binary = ShapeStream("Tag", c.value);
        const std::string text = Convert(binary, ObjectBinaryToText);
        EXPECT_NE(text.find(std::string("Tag = ") + c.text + "\r\n"), std::string::npos) << text;
        EXPECT_EQ(Convert(text, ObjectTextToBinary), binary) << c.text;
    }
    // The component reads the float back, not an identifier.
    const std::string text =
        Convert(ShapeStream("Angle", Extended(-LD::infinity())), ObjectBinaryToText);
    TMemoryStream binary;
    const std::string bytes = Convert(text, ObjectTextToBinary);
    binary.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    binary.SetPosition(0);
    std::unique_ptr<TTestShape> shape(As<TTestShape>(ReadComponentFromStream(binary)));
    EXPECT_EQ(shape->Angle(), -LD::infinity());
}

TEST_F(ObjectText, WhatTheTextCannotHoldIsRefusedByName) {
    // A NaN with its sign set, and an 80-bit number without its integer bit (an unnormal).
    std::string negativeNaN = Extended(std::numeric_limits<long double>::quiet_NaN());
    negativeNaN[10] = char(0xFF);
    const std::string unnormal("\x05\0\0\0\0\0\0\0\x40\xFF\x3F", 11);
    const struct {
        std::string binary;
        const char* message;
    } cases[] = {
        {ShapeStream("Tag", negativeNaN), "Floating point value cannot be written as text"},
        {ShapeStream("Tag", unnormal), "Floating point value cannot be written as text"},
        {ShapeStream("end", "\x02\x01"), "'end' is not a valid identifier"},
        {ShapeStream("Ta g", "\x02\x01"), "'Ta g' is not a valid identifier"},
        {ShapeStream("Tag",
                     "\x07\x02"
                     "1x"),
         "'1x' is not a valid identifier"},
        {ShapeStream("Tag", "\x07\x04True"), "'True' is not a valid identifier"},
        {ShapeStream("Tag", "\x07\x03INF"), "'INF' is not a valid identifier"},
        {ShapeStream("Options", std::string("\x0B\x03"
                                            "a b\0",
                                            6)),
         "'a b' is not a valid identifier"},
        {ShapeStream("Caption", std::string("\x14\x02\0\0\0\xC3\x28", 7)),
         "String is not valid UTF-8"},
        {std::string("TPF0\x09T]stShape\x01"
                     "A\0\0",
                     17),
         "'T]stShape' is not a valid identifier"},
    };
    for (const auto& c : cases) {
        try {
            Convert(c.binary, ObjectBinaryToText);
            ADD_FAILURE() << c.message;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST_F(ObjectText, TextTheBinaryFormCannotHoldIsRefusedWithItsLine) {
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"object A: TTestShape\r\n  Tag = (Null 1)\r\nend\r\n",
         "Null cannot be an element of a list on line 2"},
        {"object A: TTestShape\r\n  Caption = #55296\r\nend\r\n",
         "Invalid character code on line 2"},
        {"object A: TTestShape\r\n  Items = <\r\n    item [5000000000]\r\n    end>\r\nend\r\n",
         "Invalid collection index on line 3"},
        {"object A: TTestShape\r\n  Angle = 1E-5000\r\nend\r\n", "Number expected on line 2"},
        // Words that start an object name no property, not even in a collection item.
        {"object A: TTestShape\r\n  Items = <\r\n    item\r\n      inline = 1\r\n    end>\r\nend",
         "'inline' is not a valid identifier on line 4"},
        {"object A: TTestShape\r\n  Items = <\r\n    item\r\n      Object = 1\r\n    end>\r\nend",
         "'Object' is not a valid identifier on line 4"},
        // Without flags a length byte of F0..FF would read as the flags' mark.
        {LongClassName("object A: ", 240), "Class name too long on line 1"},
    };
    for (const auto& c : cases) {
        try {
            Convert(c.text, ObjectTextToBinary);
            ADD_FAILURE() << c.message;
        } catch (const EParserError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    // Null is still a value of its own, and an identifier that only starts like INF is one.
    const std::string text = "object A: TTestShape\r\n  Tag = Null\r\n  Mode = INFO\r\nend\r\n";
    EXPECT_EQ(Convert(Convert(text, ObjectTextToBinary), ObjectBinaryToText), text);
    // The longest class names each form holds, both ways.
    for (const std::string& held :
         {LongClassName("object A: ", 239), LongClassName("inherited A: ", 255),
          LongClassName("object A: ", 240, " [3]")})
        EXPECT_EQ(Convert(Convert(held, ObjectTextToBinary), ObjectBinaryToText), held);
}

}  // namespace
