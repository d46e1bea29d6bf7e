#include <gtest/gtest.h>

#include "platform/rtl/Cp1252.h"
#include "platform/rtl/Exceptions.h"

TEST(Cp1252, KnownCharactersBothWays) {
    struct Case {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"\xC2\xB5m", "\xB5m"},            // µm
        {"\xC2\xB0", "\xB0"},              // °
        {"\xE2\x82\xAC", "\x80"},          // €
        {"\xC5\xB8\xC3\xBF", "\x9F\xFF"},  // Ÿ ÿ
        {"\xE2\x80\x94", "\x97"},          // em dash
        {"plain ASCII\r\n", "plain ASCII\r\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_TRUE(Utf8ToCp1252(c.utf8, out)) << c.utf8;
        EXPECT_EQ(out, c.bytes);
        EXPECT_EQ(Utf8ToCp1252(std::string(c.utf8)), c.bytes);
        EXPECT_EQ(Cp1252ToUtf8(c.bytes), c.utf8);
    }
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(CanEncodeCp1252(utf8));
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    // The undefined bytes stand for the control characters of the same number.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Cp1252, RefusesWhatThePageLacks) {
    struct Case {
        const char* utf8;
        const char* message;
    } cases[] = {
        {"a\xE4\xB8\xAD", "Character U+4E2D cannot be written in Windows-1252"},  // CJK
        {"\xC4\x80", "Character U+0100 cannot be written in Windows-1252"},       // Ā
        {"\xC2\x80",
         "Character U+0080 cannot be written in Windows-1252"},  // a C1 control the page uses for €
        {"\xF0\x9F\x98\x80",
         "Character U+1F600 cannot be written in Windows-1252"},  // beyond the BMP
        {"ab\xB5", "Invalid UTF-8 text at byte 3"},               // a raw single byte
        {"\xC0\xB5", "Invalid UTF-8 text at byte 1"},             // overlong form
        {"\xE2\x82", "Invalid UTF-8 text at byte 1"},             // cut short
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_FALSE(Utf8ToCp1252(c.utf8, out)) << c.utf8;
        EXPECT_FALSE(CanEncodeCp1252(c.utf8));
        try {
            Utf8ToCp1252(std::string(c.utf8));
            ADD_FAILURE() << "accepted " << c.message;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}
