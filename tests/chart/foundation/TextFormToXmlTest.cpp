#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "chart/foundation/TextFormToXml.h"
#include "platform/rtl/Streams.h"

namespace {

// Sets the language variables for one test and puts back what was there.
class TLanguageGuard {
public:
    explicit TLanguageGuard(const char* lang) {
        for (int i = 0; i < 3; ++i) {
            const char* value = std::getenv(kNames[i]);
            if (value) FSaved[i] = value;
            unsetenv(kNames[i]);
        }
        setenv("LANG", lang, 1);
    }
    ~TLanguageGuard() {
        for (int i = 0; i < 3; ++i) {
            if (FSaved[i])
                setenv(kNames[i], FSaved[i]->c_str(), 1);
            else
                unsetenv(kNames[i]);
        }
    }

private:
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> FSaved[3];
};

std::string Convert(const std::string& text, bool withHeader = false) {
    TMemoryStream stream;
    stream.WriteBuffer(text.data(), int64_t(text.size()));
    TextFormToXml(stream, withHeader);
    return std::string(stream.Memory(), size_t(stream.Size()));
}

// A chart with nested dotted paths, a string list, a binary block, a collection and a child
// component, as the component stream writes it.
TEST(TextFormToXml, ChartWithPathsListsBinaryCollectionAndChild) {
    const std::string text =
        "object Chart1: TChart\r\n"
        "  Left = 8\r\n"
        "  Title.Text.Strings = (\r\n"
        "    'Emissivity'\r\n"
        "    'of the cavity')\r\n"
        "  Title.Font.Color = clRed\r\n"
        "  Title.Font.Height = -11\r\n"
        "  Caption = 'v. 1.5'\r\n"
        "  Picture.Data = {\r\n"
        "    0102A0FF\r\n"
        "    0304}\r\n"
        "  Filters = <\r\n"
        "    item\r\n"
        "      ItemClass = 'TBlurFilter'\r\n"
        "      Amount = 2\r\n"
        "    end\r\n"
        "    item\r\n"
        "      ItemClass = 'TInvertFilter'\r\n"
        "    end>\r\n"
        "  Legend.Visible = False\r\n"
        "  object Series1: TLineSeries\r\n"
        "    Marks.Visible = True\r\n"
        "    Tag = <>\r\n"
        "  end\r\n"
        "  object Empty1: TPanel\r\n"
        "  end\r\n"
        "end\r\n";
    const std::string xml =
        "<TChart Name=\"Chart1\">\r\n"
        "  <Left value=\"8\"/>\r\n"
        "  <Title>\r\n"
        "    <Text>\r\n"
        "      <Strings>\r\n"
        "        <String value=\"'Emissivity'\"/>\r\n"
        "        <String value=\"'of the cavity'\"/>\r\n"
        "      </Strings>\r\n"
        "    </Text>\r\n"
        "    <Font>\r\n"
        "      <Color value=\"clRed\"/>\r\n"
        "      <Height value=\"-11\"/>\r\n"
        "    </Font>\r\n"
        "  </Title>\r\n"
        "  <Caption value=\"'v. 1.5'\"/>\r\n"
        "  <Picture>\r\n"
        "    <Data>\r\n"
        "      <String value=\"0102A0FF\"/>\r\n"
        "      <String value=\"0304\"/>\r\n"
        "    </Data>\r\n"
        "  </Picture>\r\n"
        "  <Filters>\r\n"
        "    <item>\r\n"
        "      <ItemClass value=\"'TBlurFilter'\"/>\r\n"
        "      <Amount value=\"2\"/>\r\n"
        "    </item>\r\n"
        "    <item>\r\n"
        "      <ItemClass value=\"'TInvertFilter'\"/>\r\n"
        "    </item>\r\n"
        "  </Filters>\r\n"
        "  <Legend>\r\n"
        "    <Visible value=\"False\"/>\r\n"
        "  </Legend>\r\n"
        "  <TLineSeries Name=\"Series1\">\r\n"
        "    <Marks>\r\n"
        "      <Visible value=\"True\"/>\r\n"
        "    </Marks>\r\n"
        "    <Tag value=\"\"/>\r\n"
        "  </TLineSeries>\r\n"
        "  <TPanel Name=\"Empty1\"/>\r\n"
        "</TChart>\r\n";
    EXPECT_EQ(Convert(text), xml);
}

TEST(TextFormToXml, SmallCases) {
    struct TCase {
        const char* name;
        std::string text;
        std::string xml;
    };
    const TCase cases[] = {
        {"component ended at once", "object Chart1: TChart\r\nend\r\n",
         "<TChart Name=\"Chart1\"/>\r\n"},
        {"no component name", "object TChart\r\n  Color = clRed\r\nend\r\n",
         "<TChart>\r\n  <Color value=\"clRed\"/>\r\n</TChart>\r\n"},
        {"blank lines skipped", "\r\n   \r\nColor = clRed\r\n", "<Color value=\"clRed\"/>\r\n"},
        {"end without a component", "end\r\n", "</>\r\n"},
        {"values are escaped", "Caption = 'R&D <\"x\">'\r\n",
         "<Caption value=\"'R&amp;D &lt;&quot;x&quot;&gt;'\"/>\r\n"},
        {"unknown lines give nothing", "inherited\r\n", ""},
        // A list that never closes ends with the input instead of running past it.
        {"unclosed list", "Lines.Strings = (\r\n  'a'\r\n",
         "<Lines>\r\n  <Strings>\r\n    <String value=\"'a'\"/>\r\n  </Strings>\r\n</Lines>\r\n"},
    };
    for (const TCase& c : cases) EXPECT_EQ(Convert(c.text), c.xml) << c.name;
}

TEST(TextFormToXml, HeaderLeadsAndStreamEndsWithTheXml) {
    // The text is far longer than its XML: nothing of it may trail the document.
    const std::string text = "object Chart1: TChart\r\n" + std::string(200, ' ') + "end\r\n";
    {
        TLanguageGuard english("C");
        EXPECT_EQ(Convert(text, true),
                  "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                  "<TChart Name=\"Chart1\"/>\r\n");
    }
    TLanguageGuard japanese("ja_JP.UTF-8");
    EXPECT_EQ(XmlEncodingName(), "shift_jis");
}

TEST(TextFormToXml, StringsStackPushesAndPops) {
    TStringsStack stack;
    EXPECT_EQ(stack.Pop(), "");
    EXPECT_EQ(stack.Push("a"), 0);
    EXPECT_EQ(stack.Push("b"), 1);
    EXPECT_EQ(stack.Pop(), "b");
    EXPECT_EQ(stack.Pop(), "a");
    EXPECT_EQ(stack.Count(), 0);
}

}  // namespace
