#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<std::string> Lines(const TStrings& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.Get(i));
    return out;
}

using V = std::vector<std::string>;

std::string ReadFileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(StringList, EditingAndIndexErrors) {
    TStringList list;
    int marker1 = 0, marker2 = 0;
    auto* o1 = reinterpret_cast<TObject*>(&marker1);
    auto* o2 = reinterpret_cast<TObject*>(&marker2);
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.AddObject("c", o1), 1);
    list.Insert(0, "a");
    list.Insert(3, "d");  // at Count: appends
    EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Objects(2), o1);
    list.SetObjects(0, o2);
    list.SetStrings(1, "B");
    list.Delete(3);
    EXPECT_EQ(Lines(list), (V{"a", "B", "c"}));
    EXPECT_EQ(list.Objects(0), o2);
    EXPECT_EQ(list[1], "B");
    EXPECT_EQ(list.IndexOf("b"), 1);  // without regard to case by default
    EXPECT_EQ(list.IndexOf("x"), -1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("b"), -1);

    struct Op {
        const char* what;
        std::function<void()> run;
        const char* message;
    } ops[] = {
        {"get -1", [&] { (void)list[-1]; }, "List index out of bounds (-1)"},
        {"get Count", [&] { (void)list.Strings(3); }, "List index out of bounds (3)"},
        {"object", [&] { list.Objects(7); }, "List index out of bounds (7)"},
        {"put", [&] { list.SetStrings(3, "x"); }, "List index out of bounds (3)"},
        {"insert past Count", [&] { list.Insert(4, "x"); }, "List index out of bounds (4)"},
        {"delete", [&] { list.Delete(3); }, "List index out of bounds (3)"},
    };
    for (const auto& op : ops) {
        try {
            op.run();
            ADD_FAILURE() << op.what << " did not raise";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), op.message) << op.what;
        }
    }
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, SortedListsAndDuplicates) {
    TStringList list;
    list.SetCommaText("pear,Apple,fig,apple");
    list.SetSorted(true);
    EXPECT_EQ(Lines(list), (V{"Apple", "apple", "fig", "pear"}));  // stable for equal lines
    int index = -1;
    EXPECT_TRUE(list.Find("FIG", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(list.Find("grape", index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(list.IndexOf("PEAR"), 3);

    EXPECT_EQ(list.Add("Fig"), 2);  // dupIgnore: the existing line's index, nothing added
    EXPECT_EQ(list.Count(), 4);
    list.SetDuplicates(dupAccept);
    EXPECT_EQ(list.Add("FIG"), 2);
    EXPECT_EQ(list.Count(), 5);
    list.SetDuplicates(dupError);
    try {
        list.Add("pear");
        FAIL() << "a duplicate must raise";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
    EXPECT_EQ(list.Add("banana"), 2);
    EXPECT_THROW(list.Insert(0, "zz"), EListError);  // would break the order
    EXPECT_THROW(list.SetStrings(0, "zz"), EListError);

    // Case-sensitive order is by code point: upper case first.
    TStringList cs;
    cs.SetCommaText("b,B,a,A");
    cs.SetCaseSensitive(true);
    cs.SetSorted(true);
    EXPECT_EQ(Lines(cs), (V{"A", "B", "a", "b"}));
    cs.SetCaseSensitive(false);  // the order follows the comparison
    EXPECT_EQ(Lines(cs), (V{"A", "a", "B", "b"}));
}

TEST(StringList, CustomSortSeesTheListByIndex) {
    TStringList list;
    list.SetCommaText("10,9,100,1");
    list.CustomSort([](TStringList& l, int a, int b) { return std::stoi(l[a]) - std::stoi(l[b]); });
    EXPECT_EQ(Lines(list), (V{"1", "9", "10", "100"}));
    auto throwing = [](TStringList&, int, int) -> int { throw EConvertError("stop"); };
    EXPECT_THROW(list.CustomSort(throwing), EConvertError);
    EXPECT_EQ(Lines(list), (V{"1", "9", "10", "100"}));
}

TEST(StringList, DelimitedTextQuotingAndParsing) {
    struct Case {
        V lines;
        const char* comma;
    } cases[] = {
        {{"a", "b c", "d,e", "say \"x\""}, "a,\"b c\",\"d,e\",\"say \"\"x\"\"\""},
        {{"", "x", ""}, ",x,"},
        {{""}, "\"\""},
        {{}, ""},
        {{"tab\there", "\xC2\xB5m"}, "\"tab\there\",\xC2\xB5m"},
    };
    for (const auto& c : cases) {
        TStringList list;
        for (const auto& s : c.lines) list.Add(s);
        EXPECT_EQ(list.CommaText(), c.comma);
        TStringList back;
        back.SetCommaText(c.comma);
        EXPECT_EQ(Lines(back), c.lines) << c.comma;
    }
    // Parsing: blanks separate lines too, around delimiters they vanish; text right after a
    // closing quote starts a new line.
    struct Parse {
        const char* text;
        V lines;
    } parses[] = {
        {"  a b , c  ", {"a", "b", "c"}},
        {"\"a\"b", {"a", "b"}},
        {"\"open", {"open"}},
        {"a,", {"a", ""}},
    };
    for (const auto& p : parses) {
        TStringList list;
        list.SetCommaText(p.text);
        EXPECT_EQ(Lines(list), p.lines) << p.text;
    }

    TStringList strict;
    strict.SetDelimiter(';');
    strict.SetQuoteChar('\'');
    strict.SetStrictDelimiter(true);
    strict.SetDelimitedText(" a b ;'c;d'; e");
    EXPECT_EQ(Lines(strict), (V{" a b ", "c;d", " e"}));
    EXPECT_EQ(strict.DelimitedText(), " a b ;'c;d'; e");
    strict.SetStrictDelimiter(false);
    EXPECT_EQ(strict.DelimitedText(), "' a b ';'c;d';' e'");
}

TEST(StringList, NameValueLines) {
    TStringList list;
    list.SetText("Width=10\r\nplain\r\nColor=red=ish\r\n");
    EXPECT_EQ(list.Names(0), "Width");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.ValueFromIndex(1), "");
    EXPECT_EQ(list.ValueFromIndex(2), "red=ish");
    EXPECT_EQ(list.Values("color"), "red=ish");
    EXPECT_EQ(list.Values("plain"), "");
    EXPECT_EQ(list.IndexOfName("WIDTH"), 0);
    list.SetValues("width", "20");  // replaces the line
    list.SetValues("Height", "5");  // appends one
    list.SetValues("Color", "");    // deletes it
    EXPECT_EQ(Lines(list), (V{"width=20", "plain", "Height=5"}));
}

TEST(StringList, TextSplitsAtEveryLineBreak) {
    struct Case {
        const char* text;
        V lines;
    } cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n\r", {"", ""}},  // LF then CR: two breaks, not one pair
        {"", {}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(Lines(list), c.lines) << c.text;
    }
    TStringList list;
    list.SetText("x\ny");
    EXPECT_EQ(list.Text(), "x\r\ny\r\n");
}

TEST(StringList, FilesAreWindows1252WithCrLf) {
    const TTempDir dir;
    const std::string name = dir.File("units.txt");

    TStringList list;
    list.Add("\xC2\xB5m");  // µm
    list.Add(
        "20 \xC2\xB0"
        "C");                  // 20 °C
    list.Add("\xE2\x82\xAC");  // €
    list.SaveToFile(name);
    EXPECT_EQ(ReadFileBytes(name),
              "\xB5m\r\n20 \xB0"
              "C\r\n\x80\r\n");
    TStringList back;
    back.LoadFromFile(name);
    EXPECT_EQ(Lines(back), Lines(list));

    // A line the code page cannot hold refuses the save and leaves the file as it was.
    TStringList cjk;
    cjk.Add("\xE4\xB8\xAD");
    EXPECT_THROW(cjk.SaveToFile(name), EConvertError);
    EXPECT_EQ(ReadFileBytes(name),
              "\xB5m\r\n20 \xB0"
              "C\r\n\x80\r\n");

    // LF-only files load as well; a stream loads from its position on.
    TStringStream stream("skip|one\ntwo");
    stream.SetPosition(5);
    back.LoadFromStream(stream);
    EXPECT_EQ(Lines(back), (V{"one", "two"}));
    TMemoryStream out;
    back.SaveToStream(out);
    EXPECT_EQ(std::string(out.Memory(), size_t(out.Size())), "one\r\ntwo\r\n");

    EXPECT_THROW(back.LoadFromFile(dir.File("missing.txt")), EFOpenError);
}

TEST(StringList, ChangeEventsAndUpdates) {
    TStringList list;
    std::string log;
    list.OnChanging = [&](TStrings* sender) {
        EXPECT_EQ(sender, &list);
        log += '<';
    };
    list.OnChange = [&](TStrings*) { log += '>'; };

    list.Add("a");
    list.Delete(0);
    EXPECT_EQ(log, "<><>");  // each change outside an update
    log.clear();
    list.Clear();  // nothing to clear: no change
    EXPECT_EQ(log, "");

    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("x");
    list.Add("y");
    list.EndUpdate();
    EXPECT_EQ(log, "<");  // before the first change only
    list.EndUpdate();
    EXPECT_EQ(log, "<>");
    log.clear();
    list.BeginUpdate();
    list.EndUpdate();  // nothing changed inside
    EXPECT_EQ(log, "");

    list.SetText("p\r\nq\r\nr");  // bulk setters report once
    list.SetCommaText("1,2");
    TStringList other;
    other.Add("o");
    list.Assign(other);
    EXPECT_EQ(log, "<><><>");
    EXPECT_EQ(Lines(list), (V{"o"}));
    list.AddStrings(other);
    EXPECT_EQ(Lines(list), (V{"o", "o"}));
}

TEST(StringList, AssignCopiesObjectsAndSettings) {
    TStringList src;
    int marker = 0;
    src.AddObject("k=v", reinterpret_cast<TObject*>(&marker));
    src.SetDelimiter(';');
    src.SetNameValueSeparator(':');
    TStringList dst;
    dst.Add("old");
    dst.Assign(src);
    EXPECT_EQ(Lines(dst), (V{"k=v"}));
    EXPECT_EQ(dst.Objects(0), reinterpret_cast<TObject*>(&marker));
    EXPECT_EQ(dst.Delimiter(), ';');
    EXPECT_EQ(dst.NameValueSeparator(), ':');
    dst.Assign(dst);  // self-assignment keeps the lines
    EXPECT_EQ(dst.Count(), 1);
}
