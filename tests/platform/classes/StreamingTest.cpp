#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "TestFamily.h"
#include "platform/classes/ClassErrors.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/PropAccess.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"

namespace {

std::string Bytes(TMemoryStream& s) { return std::string(s.Memory(), size_t(s.Size())); }

std::string ToText(TMemoryStream& binary) {
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(binary, text);
    return Bytes(text);
}

std::unique_ptr<TMemoryStream> ToBinary(const std::string& text) {
    TMemoryStream in;
    in.WriteBuffer(text.data(), int64_t(text.size()));
    in.SetPosition(0);
    auto out = std::make_unique<TMemoryStream>();
    ObjectTextToBinary(in, *out);
    out->SetPosition(0);
    return out;
}

std::unique_ptr<TMemoryStream> Write(TComponent* root) {
    auto s = std::make_unique<TMemoryStream>();
    WriteComponentToStream(*s, root);
    s->SetPosition(0);
    return s;
}

std::unique_ptr<TTestShape> Read(TStream& s) {
    return std::unique_ptr<TTestShape>(As<TTestShape>(ReadComponentFromStream(s)));
}

// Every published value of an object, its sub-objects, collections, references (by name), the
// custom data and the children, one line each: two objects are equal when their dumps are.
void Dump(const TObject* o, const std::string& prefix, std::ostringstream& out) {
    for (const TPropInfo& p : o->ClassType().Properties()) {
        if (p.Kind == tkClass) {
            TObject* sub = p.GetObject(o);
            if (auto* c = dynamic_cast<const TCollection*>(sub)) {
                for (int i = 0; i < c->Count(); ++i)
                    Dump(c->Items(i), prefix + p.Name + "[" + std::to_string(i) + "].", out);
            } else {
                Dump(sub, prefix + p.Name + ".", out);
            }
        } else if (p.Kind == tkComponent) {
            auto* c = static_cast<TComponent*>(p.GetObject(o));
            out << prefix << p.Name << " -> " << (c ? c->Name() : "none") << "\n";
        } else {
            out << prefix << p.Name << " = " << GetPropValue(o, p).AsString() << "\n";
        }
    }
    if (auto* shape = dynamic_cast<const TTestShape*>(o)) {
        out << prefix << "Data =";
        for (uint8_t b : shape->Data) out << ' ' << int(b);
        out << "\n";
        for (int i = 0; i < shape->ComponentCount(); ++i)
            Dump(shape->Components(i), prefix + shape->Components(i)->Name() + "/", out);
    }
}

std::string Dump(const TObject* o) {
    std::ostringstream out;
    Dump(o, "", out);
    return out.str();
}

// A root with every kind of property, a collection, two children, references and binary data.
std::unique_ptr<TTestShape> MakeRoot() {
    auto root = std::make_unique<TTestShape>(nullptr);
    root->SetName("Root");
    root->SetStyle(ssCircle);
    root->SetOptions({soShadow, soRound});
    root->SetAutoAngle(false);
    root->SetAngle(1e-5L / 3);
    root->SetRatio(0.1f);
    root->SetCaption("It's a \"long\" one:\r\n" + std::string(300, 'x') + " caf\xC3\xA9");
    root->SetColor(clRed);
    root->SetCount(100000);
    root->SetCursor(-21);  // written by its name
    root->SetTag(-300);
    root->Pen()->SetColor(0x123456);
    root->Pen()->SetWidth(3);
    root->Border()->SetVisible(true);
    for (double v : {1.5, -2.0}) {  // an integral float stays a float in the text form
        auto* item = static_cast<TTestItem*>(root->Items()->Add());
        item->SetValue(v);
        item->SetCaption("item " + std::to_string(int(v)));
    }
    for (int i = 0; i < 70; ++i) root->Data.push_back(uint8_t(i * 7));
    root->Lines()->SetText("first\n\nthird");
    root->BindOnClick("ShapeClick");
    auto* child1 = new TTestShape(root.get());
    child1->SetName("Child1");
    child1->SetCount(-5);
    auto* child2 = new TTestShape(root.get());
    child2->SetName("Child2");
    child2->SetCaption(
        "\xCE\xA9 \xE2\x89\x88 \xF0\x9F\x98\x80");  // not in the single-byte code page
    child2->SetCount(1LL << 40);
    root->SetPartner(child2);
    child1->SetPartner(root.get());
    child2->SetPartner(child1);
    return root;
}

class Streaming : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterTestFamily(); }
};

}  // namespace

TEST_F(Streaming, BinaryRoundTripGivesAnEqualRootAndLoadsEveryComponent) {
    auto root = MakeRoot();
    auto stream = Write(root.get());
    auto copy = Read(*stream);
    EXPECT_EQ(stream->Position(), stream->Size());
    EXPECT_EQ(Dump(copy.get()), Dump(root.get()));
    ASSERT_EQ(copy->ComponentCount(), 2);
    for (TTestShape* s :
         {copy.get(), As<TTestShape>(copy->Components(0)), As<TTestShape>(copy->Components(1))}) {
        EXPECT_EQ(s->LoadedCalls, 1) << s->Name();
        EXPECT_TRUE(s->PartnerSeenInLoaded) << s->Name();  // references are fixed before Loaded
        EXPECT_TRUE(s->ComponentState().Empty()) << s->Name();
    }
    EXPECT_EQ(copy->Partner(), copy->Components(1));
    EXPECT_TRUE(root->ComponentState().Empty());  // the writing state is gone
}

TEST_F(Streaming, TextRoundTripAndBinaryToTextToBinaryKeepEveryByte) {
    auto root = MakeRoot();
    auto binary = Write(root.get());
    std::string text = ToText(*binary);
    auto again = ToBinary(text);
    EXPECT_EQ(Bytes(*again), Bytes(*binary));
    EXPECT_EQ(ToText(*again), text);
    again->SetPosition(0);
    auto copy = Read(*again);
    EXPECT_EQ(Dump(copy.get()), Dump(root.get()));
}

TEST_F(Streaming, WritesTheClassicFormsByteForByte) {
    TTestShape shape(nullptr);
    shape.SetName("Shape1");
    shape.SetOptions({soShadow, soRound});
    shape.SetColor(clRed);
    shape.SetCursor(-21);
    shape.SetCaption("a'b\r");
    shape.Pen()->SetWidth(2);
    static_cast<TTestItem*>(shape.Items()->Add())->SetValue(0.5);
    shape.Items()->Add();
    shape.Data = {0x01, 0xAB};
    shape.Lines()->Add("x");
    shape.Lines()->Add("");
    auto binary = Write(&shape);
    static const char kExpected[] =
        "TPF0\x0ATTestShape\x06Shape1"
        "\x07Options\x0B\x08soShadow\x07soRound\x00"
        "\x07"
        "Caption\x06\x04"
        "a'b\r"
        "\x05"
        "Color\x07\x05"
        "clRed"
        "\x06"
        "Cursor\x07\x0B"
        "crHandPoint"
        "\x05"
        "Count\x02\x00"
        "\x09Pen.Width\x02\x02"
        "\x05Items\x0E\x01\x05Value\x05\x00\x00\x00\x00\x00\x00\x00\x80\xFE\x3F\x00\x01\x00\x00"
        "\x0DLines.Strings\x01\x06\x01x\x06\x00\x00"
        "\x04"
        "Data\x0A\x02\x00\x00\x00\x01\xAB"
        "\x00\x00";
    EXPECT_EQ(Bytes(*binary), std::string(kExpected, sizeof kExpected - 1));
    EXPECT_EQ(ToText(*binary),
              "object Shape1: TTestShape\r\n"
              "  Options = [soShadow, soRound]\r\n"
              "  Caption = 'a'#39'b'#13\r\n"
              "  Color = clRed\r\n"
              "  Cursor = crHandPoint\r\n"
              "  Count = 0\r\n"
              "  Pen.Width = 2\r\n"
              "  Items = <\r\n"
              "    item\r\n"
              "      Value = 0.5\r\n"
              "    end\r\n"
              "    item\r\n"
              "    end>\r\n"
              "  Lines.Strings = (\r\n"
              "    'x'\r\n"
              "    '')\r\n"
              "  Data = {\r\n"
              "    01AB}\r\n"
              "end\r\n");
}

TEST_F(Streaming, TextValuesOfEveryFormReadBack) {
    // Forms our writer does not produce but the text form allows, each through to the binary.
    auto binary = ToBinary(
        "object TTestShape\n"
        "  Caption = 'one' +\n    ' tw\xF3'#$41'\xC3\xA9'\n"
        "  Angle = 1.5E3\n  Ratio = 2s\n  Count = -$10\n  Tag = 2.5c\n"
        "  inherited Child: TTestShape [3]\n  end\nend\n");
    TReader reader(*binary);
    bool handled = false;
    reader.OnError = [&](TReader&, const std::string&, bool& h) { h = handled = true; };
    // The tag does not take a currency value: the error hook skips it.
    std::unique_ptr<TTestShape> shape(As<TTestShape>(reader.ReadRootComponent(nullptr)));
    EXPECT_TRUE(handled);
    EXPECT_EQ(shape->Caption(),
              "one tw\xC3\xB3"
              "A\xC3\xA9");  // a single-byte run, then UTF-8
    EXPECT_EQ(shape->Angle(), 1500);
    EXPECT_EQ(shape->Ratio(), 2.0f);
    EXPECT_EQ(shape->Count(), -16);
    EXPECT_EQ(shape->Name(), "");
    EXPECT_EQ(shape->ComponentCount(), 1);
}

TEST_F(Streaming, AnUnknownClassFailsWithTheRegistrysMessage) {
    for (const char* text :
         {"object A: TNoSuch\nend\n", "object A: TTestShape\n  object B: TNoSuch\n  end\nend\n"}) {
        auto binary = ToBinary(text);
        try {
            Read(*binary);
            ADD_FAILURE() << text;
        } catch (const EClassNotFound& e) {
            EXPECT_EQ(e.Message(), "Class TNoSuch not found");
        }
    }
}

TEST_F(Streaming, UnknownPropertiesAndHandlersGoThroughTheHooks) {
    const std::string text =
        "object A: TTestShape\n"
        "  Bogus = <\n    item\n      X = (1 'two' [a])\n    end>\n"
        "  Pen.Bogus = {00FF}\n"
        "  Style = ssOval\n"
        "  OnClick = MissingHandler\n"
        "  Count = 7\n"
        "end\n";
    struct Case {
        bool skipErrors;
        bool skipMethods;
        std::vector<std::string> messages;  // what the error hook saw
        const char* raised;                 // null: read to the end
    } cases[] = {
        {false, false, {"Property Bogus does not exist"}, "Property Bogus does not exist"},
        {true,
         false,
         {"Property Bogus does not exist", "Property Pen.Bogus does not exist",
          "Invalid property value", "Invalid property value"},
         nullptr},
        {true,
         true,
         {"Property Bogus does not exist", "Property Pen.Bogus does not exist",
          "Invalid property value"},
         nullptr},
    };
    for (const auto& c : cases) {
        auto binary = ToBinary(text);
        TReader reader(*binary);
        std::vector<std::string> seen;
        reader.OnError = [&](TReader&, const std::string& message, bool& handled) {
            seen.push_back(message);
            handled = c.skipErrors;
        };
        if (c.skipMethods)
            reader.OnFindMethod = [](TReader&, const std::string& name, bool& error) {
                error = name != "MissingHandler";
            };
        try {
            std::unique_ptr<TComponent> shape(reader.ReadRootComponent(nullptr));
            EXPECT_EQ(c.raised, nullptr);
            EXPECT_EQ(As<TTestShape>(shape.get())->Count(), 7);
            EXPECT_EQ(As<TTestShape>(shape.get())->OnClickName(), "");
        } catch (const EReadError& e) {
            ASSERT_NE(c.raised, nullptr);
            EXPECT_EQ(e.Message(), c.raised);
        }
        EXPECT_EQ(seen, c.messages);
    }
}

TEST_F(Streaming, ReadingIntoAnExistingRootKeepsItsName) {
    auto source = MakeRoot();
    auto binary = Write(source.get());
    TComponent form(nullptr);
    auto* target = new TTestShape(&form);
    target->SetName("Chart1");
    ReadComponentFromStream(*binary, target);
    EXPECT_EQ(target->Name(), "Chart1");
    EXPECT_EQ(target->Caption(), source->Caption());
    ASSERT_EQ(target->ComponentCount(), 2);
    EXPECT_EQ(target->Partner(), target->Components(1));
}

TEST_F(Streaming, DamagedStreamsRaiseInsteadOfMisreading) {
    auto root = MakeRoot();
    std::string good = Bytes(*Write(root.get()));
    // Every truncation fails cleanly.
    for (size_t n = 0; n < good.size(); n += 7) {
        TMemoryStream s;
        s.WriteBuffer(good.data(), int64_t(n));
        s.SetPosition(0);
        EXPECT_THROW(Read(s), Exception) << n;
    }
    struct Case {
        std::string bytes;
        const char* message;
    } cases[] = {
        {"TPF1" + good.substr(4), "Invalid stream format"},
        // A long string claiming four gigabytes.
        {std::string("TPF0\x0ATTestShape\x01"
                     "A\x07"
                     "Caption\x0C\xFF\xFF\xFF\xFF",
                     30),
         "Stream read error"},
        {std::string("TPF0\x0ATTestShape\x01"
                     "A\x05"
                     "Count\x63",
                     25),
         "Invalid property value"},
    };
    for (const auto& c : cases) {
        TMemoryStream s;
        s.WriteBuffer(c.bytes.data(), int64_t(c.bytes.size()));
        s.SetPosition(0);
        try {
            Read(s);
            ADD_FAILURE() << c.message;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    // Lists nested without end, as only a damaged or hostile stream has them.
    std::string deep = std::string(
                           "TPF0\x0ATTestShape\x01"
                           "A\x05"
                           "Count",
                           20) +
                       std::string(100000, '\x01');
    for (bool handled : {false, true}) {
        TMemoryStream s;
        s.WriteBuffer(deep.data(), int64_t(deep.size()));
        s.SetPosition(0);
        TReader reader(s);
        reader.OnError = [&](TReader&, const std::string&, bool& h) { h = handled; };
        EXPECT_THROW(reader.ReadRootComponent(nullptr), EReadError);
        s.SetPosition(0);
        TMemoryStream text;
        EXPECT_THROW(ObjectBinaryToText(s, text), EReadError);
    }
    EXPECT_THROW(ToBinary("object A: TTestShape\n  X = " + std::string(100000, '(')), EReadError);
    for (const char* text :
         {"object A: TTestShape\n  Count = \nend\n", "object A: TTestShape\n  Data = {0F0}\nend\n",
          "object A: TTestShape\n  Caption = 'open\nend\n", "thing A: TTestShape\nend\n"}) {
        EXPECT_THROW(ToBinary(text), EParserError) << text;
    }
}

namespace {

class TBlurFilter : public TPersistent {
    KV_DECLARE_CLASS(TBlurFilter, TPersistent)
public:
    int Steps = 1;
    static void Publish(TPublisher<TBlurFilter>& p) {
        p.Integer(
             "Steps", [](const TBlurFilter& f) { return f.Steps; },
             [](TBlurFilter& f, int v) { f.Steps = v; })
            .Default(1);
    }
};

// A list of objects of several classes kept as one defined property: a collection marker, then
// per object a list with its class name under "ItemClass" and its properties.
class TFilterHost : public TTestShape {
    KV_DECLARE_CLASS(TFilterHost, TTestShape)
public:
    using TTestShape::TTestShape;
    std::vector<std::unique_ptr<TPersistent>> Filters;

    void DefineProperties(TFiler& filer) override {
        TTestShape::DefineProperties(filer);
        filer.DefineProperty(
            "FilterItems",
            [this](TReader& r) {
                Filters.clear();
                r.CheckValue(vaCollection);
                while (!r.EndOfList()) {
                    r.ReadListBegin();
                    if (r.ReadStr() != "ItemClass") throw EReadError("ItemClass expected");
                    TClass cls = FindClass(r.ReadString());
                    Filters.emplace_back(static_cast<TPersistent*>(cls->Create()));
                    while (!r.EndOfList()) r.ReadProperty(Filters.back().get());
                    r.ReadListEnd();
                }
                r.ReadListEnd();
            },
            [this](TWriter& w) {
                w.WriteValue(vaCollection);
                for (auto& f : Filters) {
                    w.WriteListBegin();
                    w.WriteStr("ItemClass");
                    w.WriteString(f->ClassName());
                    w.WriteProperties(f.get());
                    w.WriteListEnd();
                }
                w.WriteListEnd();
            },
            !Filters.empty());
    }
};

}  // namespace

TEST_F(Streaming, ACustomPropertyCanHoldObjectsOfSeveralClasses) {
    RegisterClasses({&TFilterHost::StaticClass(), &TBlurFilter::StaticClass()});
    TFilterHost host(nullptr);
    host.SetName("Host");
    auto blur = std::make_unique<TBlurFilter>();
    blur->Steps = 5;
    host.Filters.push_back(std::move(blur));
    host.Filters.push_back(std::make_unique<TTestPen>());
    static_cast<TTestPen*>(host.Filters.back().get())->SetWidth(2);
    std::string text = ToText(*Write(&host));
    EXPECT_NE(text.find("  FilterItems = <\r\n"
                        "    item\r\n"
                        "      ItemClass = 'TBlurFilter'\r\n"
                        "      Steps = 5\r\n"
                        "    end\r\n"
                        "    item\r\n"
                        "      ItemClass = 'TTestPen'\r\n"
                        "      Width = 2\r\n"
                        "    end>\r\n"),
              std::string::npos)
        << text;
    std::unique_ptr<TFilterHost> copy(As<TFilterHost>(ReadComponentFromStream(*ToBinary(text))));
    ASSERT_EQ(copy->Filters.size(), 2u);
    EXPECT_EQ(As<TBlurFilter>(copy->Filters[0].get())->Steps, 5);
    EXPECT_EQ(As<TTestPen>(copy->Filters[1].get())->Width(), 2);
    // A class the program does not know fails with the registry's error.
    size_t at = text.find("TBlurFilter'");
    text.replace(at, 11, "TSharpen");
    EXPECT_THROW(ReadComponentFromStream(*ToBinary(text)), EClassNotFound);
    UnRegisterClasses({&TFilterHost::StaticClass(), &TBlurFilter::StaticClass()});
}

TEST_F(Streaming, AComponentWrittenUnderItsOwnerNamesItsSiblingsPlainly) {
    TComponent form1(nullptr), form2(nullptr);
    auto* chart = new TTestShape(&form1);
    chart->SetName("Chart1");
    auto* other = new TTestShape(&form1);
    other->SetName("Other");
    chart->SetPartner(other);
    TMemoryStream binary;
    TWriter writer(binary);
    writer.SetRoot(&form1);
    writer.WriteSignature();
    writer.WriteComponent(chart);
    EXPECT_NE(ToText(binary).find("  Partner = Other\r\n"), std::string::npos);

    auto* chart7 = new TTestShape(&form2);
    chart7->SetName("Chart7");
    auto* other2 = new TTestShape(&form2);
    other2->SetName("Other");
    binary.SetPosition(0);
    ReadComponentFromStream(binary, chart7);
    EXPECT_EQ(chart7->Name(), "Chart7");
    EXPECT_EQ(chart7->Partner(), other2);
}

TEST_F(Streaming, PropertyListsOfPlainObjectsInsideABinaryBlock) {
    // A custom binary property may hold objects' stored properties in the stream's encoding,
    // written and read by a writer and a reader of its own over the block.
    TTestPen pens[2];
    pens[1].SetColor(clRed);
    pens[1].SetVisible(false);
    TMemoryStream block;
    {
        TWriter writer(block);
        int32_t count = 2;
        writer.WriteRaw(&count, 4);
        for (const TTestPen& pen : pens) {
            writer.WriteListBegin();
            writer.WriteProperties(&pen);
            writer.WriteListEnd();
        }
    }
    EXPECT_EQ(Bytes(block), std::string("\x02\x00\x00\x00\x01\x00\x01\x05"
                                        "Color\x07\x05"
                                        "clRed\x07Visible\x08\x00",
                                        30));
    block.SetPosition(0);
    TReader reader(block);
    int32_t count;
    block.ReadBuffer(&count, 4);
    std::vector<std::unique_ptr<TTestPen>> read;
    for (int i = 0; i < count; ++i) {
        read.push_back(std::make_unique<TTestPen>());
        reader.ReadListBegin();
        while (!reader.EndOfList()) reader.ReadProperty(read.back().get());
        reader.ReadListEnd();
    }
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0]->Color(), clBlack);
    EXPECT_EQ(read[1]->Color(), clRed);
    EXPECT_FALSE(read[1]->Visible());
    EXPECT_EQ(block.Position(), block.Size());
}
