// The workbench's text files: the 23-character reals, the free-format reader, and the generatrix,
// wavelength and dataset files against literal bytes, read back, and refused when damaged.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/KeptInputs.h"
#include "workbench/DatasetTextFile.h"
#include "workbench/GeneratrixFile.h"
#include "workbench/TextFileFormat.h"

namespace {

TEST(TextFileFormat, RealsHaveTwentyThreeCharacters) {
    const struct {
        long double value;
        const char* text;
    } cases[] = {
        {0.25L, " 2.50000000000000E-0001"},    {0, " 0.00000000000000E+0000"},
        {-1, "-1.00000000000000E+0000"},       {1e300L, " 1.00000000000000E+0300"},
        {-1e-300L, "-1.00000000000000E-0300"}, {123456789012345678.0L, " 1.23456789012346E+0017"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextReal(c.value), c.text) << double(c.value);
        EXPECT_EQ(TextReal(c.value).size(), 23u);
    }
}

TEST(TextFileFormat, ReaderSkipsBlanksAndLineEndsAndGivesZeroAtTheEnd) {
    TTextReader in("  1.5\t-2e3 rest of line\r\n\r\n   7\r\nabc\r\n");
    long double a = 0, b = 0, c = 0, d = 0;
    ASSERT_TRUE(in.ReadReal(a));
    ASSERT_TRUE(in.ReadReal(b));
    in.SkipLine();
    ASSERT_TRUE(in.ReadReal(c));  // the blank line in between is skipped
    EXPECT_EQ(a, 1.5L);
    EXPECT_EQ(b, -2000.0L);
    EXPECT_EQ(c, 7.0L);
    in.SkipLine();
    EXPECT_FALSE(in.ReadReal(d));  // text that is not a number
    in.SkipLine();
    d = 9;
    EXPECT_TRUE(in.ReadReal(d));
    EXPECT_EQ(d, 0.0L);
    EXPECT_TRUE(in.Eof());
}

TEST(GeneratrixFile, WritesTheStartNodeAndOneLinePerRow) {
    TGeneratrix g{{0, 1}, {{0.25, 1}, {-3, 0}}};
    EXPECT_EQ(GeneratrixFileBytes(g),
              " 0.00000000000000E+0000  1.00000000000000E+0000\r\n"
              " 2.50000000000000E-0001  1.00000000000000E+0000\r\n"
              "-3.00000000000000E+0000  0.00000000000000E+0000\r\n");
    TGeneratrix back;
    std::string message;
    ASSERT_TRUE(ReadGeneratrixFile(GeneratrixFileBytes(g), "g.txt", back, message));
    EXPECT_EQ(back.Start.Y, 1);
    ASSERT_EQ(back.Nodes.size(), 2u);
    EXPECT_EQ(back.Nodes[0].Z, 0.25);
    EXPECT_EQ(back.Nodes[1].Z, -3);
}

TEST(GeneratrixFile, ReadingRulesAndRefusals) {
    auto lines = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += std::to_string(i) + " 1\r\n";
        return s;
    };
    const struct {
        std::string bytes;
        bool ok;
        size_t nodes;
        const char* message;
    } cases[] = {
        {lines(201), true, 200, ""},
        {lines(202), false, 0, "Too many points: 202>201"},
        {"0 1 a comment\r\n2 3 4\r\n", true, 1, ""},  // the rest of a line is ignored
        {"0 1\r\n2 3\r\n\r\n", true, 2, ""},          // a trailing empty line is node (0, 0)
        {"0 1\r\nx 3\r\n", false, 0, "Error reading file f.txt"},
        {"", false, 0, "Error reading file f.txt"},  // no start node
    };
    for (const auto& c : cases) {
        TGeneratrix g;
        g.Nodes.resize(7);  // left alone on a refusal
        std::string message;
        EXPECT_EQ(ReadGeneratrixFile(c.bytes, "f.txt", g, message), c.ok) << c.bytes;
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(g.Nodes.size(), c.ok ? c.nodes : 7u) << c.bytes;
    }
    TGeneratrix g;
    std::string message;
    ASSERT_TRUE(ReadGeneratrixFile("0 1\r\n2 3\r\n\r\n", "f.txt", g, message));
    EXPECT_EQ(g.Nodes.back().Z, 0);
    EXPECT_EQ(g.Nodes.back().Y, 0);
}

TEST(WavelengthFile, OneValuePerLineAtMost201) {
    EXPECT_EQ(WavelengthFileBytes({0.5, 10}),
              " 5.00000000000000E-0001\r\n 1.00000000000000E+0001\r\n");
    std::vector<double> w{42};
    std::string message;
    ASSERT_TRUE(ReadWavelengthFile(WavelengthFileBytes({0.5, 10}), "w.txt", w, message));
    EXPECT_EQ(w, (std::vector<double>{0.5, 10}));
    std::string many;
    for (int i = 1; i <= 202; ++i) many += std::to_string(i) + "\r\n";
    EXPECT_FALSE(ReadWavelengthFile(many, "w.txt", w, message));
    EXPECT_EQ(message, "Error reading file w.txt");
    EXPECT_FALSE(ReadWavelengthFile("1\r\none\r\n", "w.txt", w, message));
    EXPECT_EQ(w, (std::vector<double>{0.5, 10}));
}

// A number beyond the double range reads as a long double, but its double is infinite and would
// be written as "INF", which no reader takes: the generatrix and wavelength files refuse it, and
// what they take they write back readably, up to the largest 15-digit number within the range
// (the largest double itself is written rounded up, beyond it).
TEST(TextFileFormat, NumbersBeyondTheDoubleRangeAreRefusedAndTheRestWritesBack) {
    const struct {
        const char* number;
        bool ok;
    } cases[] = {
        {"1e381", false},
        {"-1e400", false},
        {"1.7976931348623157e308", false},
        {"1.79769313486231E+0308", true},
        {"-1.79769313486231e308", true},
        {"1e-400", true},  // a double of 0, written and read back as 0
        {"2.5", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        TGeneratrix g;
        std::string message;
        EXPECT_EQ(ReadGeneratrixFile("0 1\r\n2 " + std::string(c.number), "g.txt", g, message),
                  c.ok);
        if (c.ok) {
            TGeneratrix back;
            ASSERT_TRUE(ReadGeneratrixFile(GeneratrixFileBytes(g), "g.txt", back, message));
            EXPECT_EQ(back.Nodes.at(0).Y, g.Nodes.at(0).Y);
        } else {
            EXPECT_EQ(message, "Error reading file g.txt");
        }
        std::vector<double> w;
        EXPECT_EQ(ReadWavelengthFile(std::string("1\r\n") + c.number, "w.txt", w, message), c.ok);
        if (c.ok) {
            std::vector<double> back;
            ASSERT_TRUE(ReadWavelengthFile(WavelengthFileBytes(w), "w.txt", back, message));
            EXPECT_EQ(back, w);
        } else {
            EXPECT_EQ(message, "Error reading file w.txt");
        }
    }
    EXPECT_EQ(TextReal(MaxTextReal), " 1.79769313486231E+0308");
}

// The inputs that once made these readers refuse their own writing: each is refused, or what it
// reads is written back, read again and written the same.
TEST(TextFileFormat, KeptGeneratrixAndWavelengthInputsWriteBackWhatTheyRead) {
    const std::filesystem::path kept(KV_FUZZ_REGRESSIONS);
    int seen = 0;
    for (const TKeptInput& input : KeptInputs(kept / "generatrix")) {
        SCOPED_TRACE(input.Name);
        ++seen;
        TGeneratrix g, back;
        std::string message;
        if (!ReadGeneratrixFile(input.Bytes, "f", g, message)) continue;
        const std::string written = GeneratrixFileBytes(g);
        ASSERT_TRUE(ReadGeneratrixFile(written, "f", back, message)) << message;
        EXPECT_EQ(GeneratrixFileBytes(back), written);
    }
    for (const TKeptInput& input : KeptInputs(kept / "wavelengths")) {
        SCOPED_TRACE(input.Name);
        ++seen;
        std::vector<double> w, back;
        std::string message;
        if (!ReadWavelengthFile(input.Bytes, "f", w, message)) continue;
        ASSERT_TRUE(ReadWavelengthFile(WavelengthFileBytes(w), "f", back, message)) << message;
        EXPECT_EQ(back, w);
    }
    EXPECT_GE(seen, 2);
}

// A small Directional dataset and its file, byte for byte (cp1252: µ is 0xB5, ° is 0xB0).
TDatasetText SmallDirectional() {
    TDatasetText d;
    d.Name = "Cone";
    d.Kind = 1;
    d.Z0 = 0;
    d.Y0 = 1;
    d.Surfaces = {{2, 0, 0.9, 0.5}};
    d.Wavelengths = {10};
    d.Tref = 1000;
    d.Tbg = 0;
    d.TempPoints = {{0.5, 1, 0.5, 1, 900}};
    d.Conditions = {{1, 0.5, 20}};
    d.NRF = 1000;
    d.Threshold = 0;
    d.Comments = {"first", ""};
    return d;
}

const char* const SmallDirectionalFile =
    "   DatasetName:\r\n"
    "Cone\r\n"
    "1   // Number of surfaces\r\n"
    "1   // Number of points in tempereature distribution\r\n"
    "1   // Number of wavelengths\r\n"
    "1   // ViewIndex\r\n"
    "1   // Number of viewing conditions\r\n"
    "   Cavity:\r\n"
    "                 z                       y              Emissivity               Diffusity\r\n"
    " 0.00000000000000E+0000  1.00000000000000E+0000\r\n"
    " 2.00000000000000E+0000  0.00000000000000E+0000  9.00000000000000E-0001 "
    " 5.00000000000000E-0001\r\n"
    "   Wavelengths in \xB5m:\r\n"
    " 1.00000000000000E+0001\r\n"
    " 1.00000000000000E+0003    // Reference temperature (K)\r\n"
    " 0.00000000000000E+0000    // Background temperature (K)\r\n"
    "   Temperature distribution:\r\n"
    "                 Xi                      Z                       Y      Surface #          "
    "     T (K)\r\n"
    " 5.00000000000000E-0001  1.00000000000000E+0000  5.00000000000000E-0001        1 "
    " 9.00000000000000E+0002\r\n"
    "   Viewing conditions: Directional Effective Emissivity\r\n"
    "     #                  ZB                     RB                     b (\xB0)"
    "                     \r\n"
    "     1  1.00000000000000E+0000  5.00000000000000E-0001  2.00000000000000E+0001\r\n"
    " 1.00000000000000E+0003   // Number of tays traced\r\n"
    " 0.00000000000000E+0000   // Radiance threshold\r\n"
    "   Comments:\r\n"
    "first\r\n"
    "\r\n";

TEST(DatasetTextFile, GoldenFileOfADirectionalDataset) {
    EXPECT_EQ(DatasetFileBytes(SmallDirectional()), SmallDirectionalFile);
}

TEST(DatasetTextFile, EveryKindReadsBackWhatWasWritten) {
    for (int kind = 0; kind < 5; ++kind) {
        TDatasetText d = SmallDirectional();
        d.Kind = kind;
        // Only the kind's own parameters are written (Xi alone for kind 4).
        d.Conditions = {{1, 2, 3}, {4, 5, 6}};
        if (kind == 0) d.Conditions = {{1, 2, 0}, {4, 5, 0}};
        if (kind == 4) d.Conditions = {{0.25, 0, 0}, {0.75, 0, 0}};
        // More than 101 comment lines: every file the writer makes can be read back.
        d.Comments.assign(150, "a line");
        TDatasetText back;
        std::string message;
        ASSERT_TRUE(ReadDatasetFile(DatasetFileBytes(d), back, message)) << kind;
        EXPECT_EQ(back.Name, d.Name);
        EXPECT_EQ(back.Kind, kind);
        EXPECT_EQ(back.Y0, 1);
        ASSERT_EQ(back.Surfaces.size(), 1u);
        EXPECT_EQ(back.Surfaces[0].Emissivity, 0.9);
        EXPECT_EQ(back.Wavelengths, d.Wavelengths);
        EXPECT_EQ(back.Tref, 1000);
        ASSERT_EQ(back.TempPoints.size(), 1u);
        EXPECT_EQ(back.TempPoints[0].Surface, 1);
        EXPECT_EQ(back.TempPoints[0].T, 900);
        EXPECT_EQ(back.Conditions, d.Conditions) << kind;
        EXPECT_EQ(back.NRF, 1000);
        EXPECT_EQ(back.Comments, d.Comments);
    }
}

TEST(DatasetTextFile, RefusalsAndTheRowNumberStop) {
    const std::string good = SmallDirectionalFile;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    std::string withoutRows = replaced("1   // Number of viewing", "0   // Number of viewing");
    withoutRows.erase(withoutRows.find("     1  1.0"),
                      withoutRows.find(" 1.00000000000000E+0003   // Number of tays") -
                          withoutRows.find("     1  1.0"));
    const struct {
        std::string bytes;
        const char* why;
    } refused[] = {
        {replaced("1   // ViewIndex", "5   // ViewIndex"), "kind outside 0..4"},
        {replaced("1   // ViewIndex", "-1   // ViewIndex"), "negative kind"},
        {replaced("1   // Number of surfaces", "203   // Number of surfaces"), "203 rows"},
        {replaced("1   // Number of surfaces", "300   // Number of surfaces"), "above 255"},
        {replaced("1   // Number of points", "102   // Number of points"), "102 points"},
        {replaced("1   // Number of wavelengths", "1.5   // Number of wavelengths"), "1.5"},
        {replaced("1   // Number of viewing", "202   // Number of viewing"), "202 conditions"},
        {replaced(" 1.00000000000000E+0001\r\n", "ten\r\n"), "a wavelength not a number"},
        {replaced("1.00000000000000E+0003    // Ref", "1e381    // Ref"),
         "beyond the double range"},
        {replaced("5.00000000000000E-0001  2.00000000000000E+0001", "5e-1  -1e400"), "a -1e400"},
        {replaced("     1  1.0", "   202  1.0"), "row number 202"},
        // No viewing-condition row, so no dataset: the first row is always read.
        {"", "empty file"},
        {"   DatasetName:\r\n", "one line"},
        {"   DatasetName:\r\nCone\r\n1\r\n1\r\n1\r\n1\r\n1\r\n", "cut after the counts"},
        {withoutRows, "count 0 and no row (the next number, 1000, is no row number)"},
        // The writer gives no row for a count of 0, so such a file could not be read back.
        {replaced("1   // Number of viewing", "0   // Number of viewing"), "count 0 and a row"},
        // Surface numbers no integer can hold (the fuzzer's input first).
        {std::string("x\r\nn\r\n0\r\n1\r\n0\r\n0\r\n0\r\nc\r\nh\r\n0 0\r\nw\r\n1\r\n1\r\nt\r\nh"
                     "\r\n0 0 0 1e10 1\r\n"),
         "surface 1e10, file cut short"},
        {replaced("        1  9.0", "     1e10  9.0"), "surface 1e10"},
        {replaced("        1  9.0", "      3e9  9.0"), "surface 3e9"},
        {replaced("        1  9.0", "     -3e9  9.0"), "surface -3e9"},
        {replaced("        1  9.0", "      NAN  9.0"), "surface NaN"},
    };
    for (const auto& c : refused) {
        TDatasetText d;
        d.Name = "untouched";
        std::string message;
        EXPECT_FALSE(ReadDatasetFile(c.bytes, d, message)) << c.why;
        EXPECT_EQ(message, "Error reading file") << c.why;
        EXPECT_EQ(d.Name, "untouched");
    }
    // A row numbered 5 in a file declaring 3 rows ends the rows at once.
    std::string s = replaced("1   // Number of viewing", "3   // Number of viewing");
    s = s.substr(0, s.find("     1  1.0")) +
        "     5  7.00000000000000E+0000  1.00000000000000E+0000  2.00000000000000E+0000\r\n" +
        s.substr(s.find(" 1.00000000000000E+0003   // Number of tays"));
    TDatasetText d;
    std::string message;
    ASSERT_TRUE(ReadDatasetFile(s, d, message)) << message;
    ASSERT_EQ(d.Conditions.size(), 3u);
    EXPECT_EQ(d.Conditions[0][0], 0);  // rows 1..3 were never given
    EXPECT_EQ(d.NRF, 1000);
    EXPECT_EQ(d.Comments, (std::vector<std::string>{"first", ""}));
}

}  // namespace
