#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/rtl/StrUtils.h"
#include "tests/support/TempDir.h"

TEST(StrUtils, TrimRemovesBlanksAndControlCharacters) {
    struct Case {
        const char* in;
        const char* both;
        const char* left;
        const char* right;
    } cases[] = {
        {" \t a b \r\n", "a b", "a b \r\n", " \t a b"},
        {"", "", "", ""},
        {" \x01\x1f ", "", "", ""},
        {"x", "x", "x", "x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Trim(c.in), c.both) << c.in;
        EXPECT_EQ(TrimLeft(c.in), c.left) << c.in;
        EXPECT_EQ(TrimRight(c.in), c.right) << c.in;
    }
    // Bytes of multi-byte characters are above ' ' and stay.
    EXPECT_EQ(Trim(" \xC2\xB5m "), "\xC2\xB5m");
}

TEST(StrUtils, CaseMappingAsciiAndLatin) {
    EXPECT_EQ(UpperCase("abc-\xC3\xA9"), "ABC-\xC3\xA9");  // é untouched by the ASCII form
    EXPECT_EQ(LowerCase("ABC"), "abc");
    struct Case {
        const char* lower;
        const char* upper;
    } cases[] = {
        {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89"},                // été
        {"\xC3\xBF", "\xC5\xB8"},                                  // ÿ and Ÿ
        {"\xC5\xA1\xC5\x93\xC5\xBE", "\xC5\xA0\xC5\x92\xC5\xBD"},  // š œ ž
        {"\xC4\xBA", "\xC4\xB9"},  // ĺ Ĺ: upper case on the odd code point
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnsiUpperCase(c.lower), c.upper) << c.lower;
        EXPECT_EQ(AnsiLowerCase(c.upper), c.lower) << c.upper;
    }
    // No case: µ, ×, ß, CJK and malformed bytes are copied unchanged.
    for (const char* same : {"\xC2\xB5", "\xC3\x97", "\xC3\x9F", "\xE4\xB8\xAD", "\xFF\xC3"}) {
        EXPECT_EQ(AnsiUpperCase(same), same);
        EXPECT_EQ(AnsiLowerCase(same), same);
    }
}

TEST(StrUtils, Comparisons) {
    struct Case {
        const char* a;
        const char* b;
        int str, text, ansiText;
    } cases[] = {
        {"abc", "abc", 0, 0, 0},
        {"abc", "ABC", 1, 0, 0},
        {"ab", "abc", -1, -1, -1},
        {"b", "A", 1, 1, 1},
        {"\xC3\xA9", "\xC3\x89", 1, 1, 0},  // é vs É: only the Ansi form
                                            // folds it
        {"", "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareStr(c.a, c.b), c.str) << c.a << " " << c.b;
        EXPECT_EQ(CompareText(c.a, c.b), c.text) << c.a << " " << c.b;
        EXPECT_EQ(AnsiCompareText(c.a, c.b), c.ansiText) << c.a << " " << c.b;
        EXPECT_EQ(SameText(c.a, c.b), c.text == 0);
        EXPECT_EQ(CompareText(c.b, c.a), -c.text);
    }
}

TEST(StrUtils, PosAndCopyClamp) {
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    struct Case {
        int index, count;
        const char* expected;
    } cases[] = {{1, 2, "ab"}, {2, 100, "bcd"}, {0, 2, "ab"}, {-5, 1, "a"},
                 {5, 1, ""},   {4, 1, "d"},     {2, 0, ""},   {2, -1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(Copy("abcd", c.index, c.count), c.expected) << c.index << "," << c.count;
}

TEST(StrUtils, StringReplaceFlags) {
    struct Case {
        const char* s;
        const char* from;
        const char* to;
        TReplaceFlags flags;
        const char* expected;
    } cases[] = {
        {"a.b.c", ".", ",", 0, "a,b.c"},
        {"a.b.c", ".", ",", rfReplaceAll, "a,b,c"},
        {"aXbxc", "x", "--", rfReplaceAll, "aXb--c"},
        {"aXbxc", "x", "--", rfReplaceAll | rfIgnoreCase, "a--b--c"},
        {"aaa", "aa", "a", rfReplaceAll, "aa"},  // no rescan of replaced text
        {"abc", "", "x", rfReplaceAll, "abc"},
        {"ab", "abc", "x", 0, "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.expected) << c.s;
}

TEST(StrUtils, QuotingDoublesTheQuoteAndReadsBack) {
    EXPECT_EQ(QuotedStr("O'Neil"), "'O''Neil'");
    EXPECT_EQ(QuotedStr(""), "''");
    const std::string quoted = AnsiQuotedStr("say \"hi\"", '"') + ",rest";
    size_t pos = 0;
    EXPECT_EQ(AnsiExtractQuotedStr(quoted, pos, '"'), "say \"hi\"");
    EXPECT_EQ(quoted.substr(pos), ",rest");
    pos = 0;
    EXPECT_EQ(AnsiExtractQuotedStr("\"open", pos, '"'), "open");  // unterminated: up to the end
    EXPECT_EQ(pos, 5u);
}

TEST(StrUtils, FileNameParts) {
    struct Case {
        const char* name;
        const char* ext;
        const char* path;
        const char* file;
        const char* changed;  // ChangeFileExt(name, ".txt")
    } cases[] = {
        {"/data/Cavities/cone.cav", ".cav", "/data/Cavities/", "cone.cav",
         "/data/Cavities/cone.txt"},
        {"dir.d/noext", "", "dir.d/", "noext", "dir.d/noext.txt"},
        {"a.b.c", ".c", "", "a.b.c", "a.b.txt"},
        {"/folder/", "", "/folder/", "", "/folder/.txt"},
        {"", "", "", "", ".txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
        EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
        EXPECT_EQ(ChangeFileExt(c.name, ".txt"), c.changed) << c.name;
    }
    EXPECT_EQ(ChangeFileExt("x.dat", ""), "x");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
}

TEST(StrUtils, FileSystemHelpers) {
    const TTempDir dir;
    const std::string root = dir.Str();
    const std::string deep = root + "/a/b/c";
    ASSERT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(ForceDirectories(deep));  // already there
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_FALSE(FileExists(deep));  // a folder is not a file
    EXPECT_FALSE(DeleteFile(deep));

    const std::string f1 = root + "/one.txt", f2 = root + "/two.txt";
    std::ofstream(f1) << "1";
    std::ofstream(f2) << "2";
    EXPECT_TRUE(FileExists(f1));
    EXPECT_FALSE(DirectoryExists(f1));
    EXPECT_FALSE(ForceDirectories(f1 + "/sub"));  // a file blocks the way
    EXPECT_FALSE(RenameFile(f1, f2));             // the target exists: nothing is replaced
    EXPECT_TRUE(FileExists(f1));
    EXPECT_TRUE(DeleteFile(f2));
    EXPECT_TRUE(RenameFile(f1, f2));
    EXPECT_FALSE(FileExists(f1));
    EXPECT_TRUE(FileExists(f2));
    EXPECT_FALSE(DeleteFile(f1));
    EXPECT_FALSE(FileExists(""));
}
