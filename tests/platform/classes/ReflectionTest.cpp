#include <gtest/gtest.h>

#include "TestFamily.h"
#include "platform/classes/ClassErrors.h"
#include "platform/classes/PropAccess.h"

namespace {

// A subclass that changes an inherited default.
class TRedShape : public TTestShape {
    KV_DECLARE_CLASS(TRedShape, TTestShape)
public:
    explicit TRedShape(TComponent* owner) : TTestShape(owner) { SetColor(clRed); }
    static void Publish(TPublisher<TRedShape>& p) { p.Inherited("Color").Default(clRed); }
};

class Reflection : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterTestFamily(); }
};

}  // namespace

TEST_F(Reflection, TheTableListsEveryKindAncestorsFirst) {
    struct Case {
        const char* name;
        TTypeKind kind;
    } expected[] = {
        {"Name", tkString},    {"Tag", tkInteger},       {"Style", tkEnumeration},
        {"Options", tkSet},    {"AutoAngle", tkBoolean}, {"Angle", tkFloat},
        {"Ratio", tkFloat},    {"Caption", tkString},    {"Color", tkColor},
        {"Cursor", tkInteger}, {"Count", tkInteger},     {"ItemCount", tkInteger},
        {"Pen", tkClass},      {"Border", tkClass},      {"Items", tkClass},
        {"Lines", tkStrings},  {"Partner", tkComponent}, {"OnClick", tkMethod},
    };
    auto list = GetPropList(&TRedShape::StaticClass());
    ASSERT_EQ(list.size(), std::size(expected));
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i]->Name, expected[i].name);
        EXPECT_EQ(list[i]->Kind, expected[i].kind) << expected[i].name;
    }
    EXPECT_EQ(GetPropInfo(&TTestShape::StaticClass(), "ratio")->FloatType, ftSingle);
    EXPECT_EQ(GetPropInfo(&TTestShape::StaticClass(), "Partner")->PropClass,
              &TTestShape::StaticClass());
}

TEST_F(Reflection, ReadsAndWritesByName) {
    TTestShape shape(nullptr), other(nullptr);
    struct Case {
        const char* name;
        Variant written;
        Variant read;  // with enumerations and sets as names
    } cases[] = {
        {"style", "SSCIRCLE", "ssCircle"},
        {"Style", 2, "ssTriangle"},
        {"Options", "[soShadow, soRound]", "soShadow,soRound"},
        {"Options", 2, "soBorder"},
        {"Angle", "12.5", 12.5},
        {"Ratio", 0.25, 0.25},
        {"Caption", "Grüße", "Grüße"},
        {"Color", "clRed", clRed},
        {"Color", 0x123456, 0x123456},
        {"Count", "42", 42},
        {"Cursor", "crHandPoint", -21},
        {"Cursor", "-3", -3},
        {"AutoAngle", "False", false},
        {"Tag", 7.0, 7},
        {"OnClick", "ShapeClick", "ShapeClick"},
        {"Lines", "a\nb", "a\r\nb\r\n"},
        {"Partner", Variant(static_cast<TObject*>(&other)), Variant(static_cast<TObject*>(&other))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetPropValue(&shape, c.name, c.written);
        EXPECT_EQ(GetPropValue(&shape, c.name), c.read);
    }
    EXPECT_EQ(GetPropValue(&shape, "Style", false), Variant(2));
    EXPECT_EQ(GetOrdProp(&shape, "Options"), 2);
    EXPECT_EQ(GetEnumProp(&shape, "Style"), "ssTriangle");
    EXPECT_EQ(GetObjectProp(&shape, "Pen"), shape.Pen());
    EXPECT_TRUE(IsPublishedProp(&shape, "PEN"));
    EXPECT_FALSE(IsPublishedProp(&shape, "Data"));  // defined, not published
    // A sub-object without setter is assigned into.
    TTestPen red;
    red.SetColor(clRed);
    SetObjectProp(&shape, "Border", &red);
    EXPECT_EQ(shape.Border()->Color(), clRed);
}

TEST_F(Reflection, BadNamesAndValuesRaise) {
    TTestShape shape(nullptr);
    TComponent plain(nullptr);
    struct Case {
        const char* name;
        Variant value;
        const char* message;
    } cases[] = {
        {"Nope", 1, "Property Nope does not exist"},
        {"Style", "ssHexagon", "Invalid property element: ssHexagon"},
        {"Style", 7, "Invalid property element: 7"},
        {"Options", "[soBorder, soWavy]", "Invalid property element: soWavy"},
        {"Count", "many", "Could not convert variant of type (String) into type (Integer)"},
        {"Partner", Variant(static_cast<TObject*>(&plain)), "Invalid class typecast"},
        {"OnClick", "NoSuchHandler", "Invalid property value"},
        {"ItemCount", 3, "Property is read-only"},
    };
    for (const auto& c : cases) {
        try {
            SetPropValue(&shape, c.name, c.value);
            ADD_FAILURE() << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_THROW(GetPropValue(&shape, "Nope"), EPropertyError);
    EXPECT_EQ(shape.Style(), ssRectangle);
}

TEST_F(Reflection, EnumerationAndSetNamesRoundTrip) {
    for (int i = 0; i < ShapeStyleNames.Count(); ++i)
        EXPECT_EQ(GetEnumValue(ShapeStyleNames, GetEnumName(ShapeStyleNames, i)), i);
    EXPECT_EQ(GetEnumValue(ShapeStyleNames, "SSTRIANGLE"), ssTriangle);
    EXPECT_EQ(GetEnumValue(ShapeStyleNames, "ssOval"), -1);
    EXPECT_EQ(GetEnumName(ShapeStyleNames, 3), "");
    for (uint64_t mask = 0; mask < 8; ++mask)
        EXPECT_EQ(StringToSet(ShapeOptionNames, SetToString(ShapeOptionNames, mask, mask % 2)),
                  mask);
    EXPECT_EQ(SetToString(ShapeOptionNames, 5, true), "[soShadow,soRound]");
}

TEST_F(Reflection, DefaultsAndStoredRulesDecideWhatIsWritten) {
    TTestShape shape(nullptr);
    TRedShape red(nullptr);
    auto writes = [](const TObject* o, const char* name) {
        return GetPropInfo(o, name)->ShouldWrite(o);
    };
    struct Case {
        const char* what;
        std::function<void()> change;
        const TObject* object;
        const char* prop;
        bool written;
    } cases[] = {
        {"at its default", [] {}, &shape, "Style", false},
        {"without a default", [] {}, &shape, "Count", true},
        {"never (stored false)", [] {}, &shape, "Name", false},
        {"set at default", [] {}, &shape, "Options", false},
        {"set changed", [&] { shape.SetOptions({}); }, &shape, "Options", true},
        {"automatic angle", [&] { shape.SetAngle(30); }, &shape, "Angle", false},
        {"manual angle", [&] { shape.SetAutoAngle(false); }, &shape, "Angle", true},
        {"manual angle of 0", [&] { shape.SetAngle(0); }, &shape, "Angle", false},
        {"visible pen", [] {}, shape.Pen(), "Visible", false},
        {"hidden pen", [&] { shape.Pen()->SetVisible(false); }, shape.Pen(), "Visible", true},
        {"hidden border", [] {}, shape.Border(), "Visible", false},
        {"visible border", [&] { shape.Border()->SetVisible(true); }, shape.Border(), "Visible",
         true},
        {"inherited default", [] {}, &shape, "Color", false},
        {"overridden default", [] {}, &red, "Color", false},
        {"back to the base default", [&] { red.SetColor(clWhite); }, &red, "Color", true},
        {"no handler", [] {}, &shape, "OnClick", false},
        {"no reference", [] {}, &shape, "Partner", false},
        {"no lines", [] {}, &shape, "Lines", false},
        {"lines", [&] { shape.Lines()->Add(""); }, &shape, "Lines", true},
    };
    for (const auto& c : cases) {
        c.change();
        EXPECT_EQ(writes(c.object, c.prop), c.written) << c.what << ": " << c.prop;
    }
}

TEST_F(Reflection, AssignPublishedCopiesTheWholeTable) {
    TComponent owner(nullptr);
    TTestShape source(&owner), dest(&owner);
    source.SetName("Source");
    dest.SetName("Dest");
    source.SetStyle(ssTriangle);
    source.SetOptions({});
    source.SetAngle(2.5L);
    source.SetCaption("copied");
    source.SetTag(9);
    source.Pen()->SetWidth(4);
    source.Border()->SetVisible(true);
    static_cast<TTestItem*>(source.Items()->Add())->SetValue(3);
    source.Lines()->Add("line");
    source.SetPartner(&dest);
    source.BindOnClick("ShapeClick");
    TTestPen* penBefore = dest.Pen();
    AssignPublished(&dest, &source);
    for (const TPropInfo* p : GetPropList(&TTestShape::StaticClass())) {
        if (p->Kind == tkClass || p->Name == "Name" || p->Kind == tkMethod) continue;
        EXPECT_EQ(GetPropValue(&dest, *p), GetPropValue(&source, *p)) << p->Name;
    }
    EXPECT_EQ(dest.Name(), "Dest");
    EXPECT_EQ(dest.OnClickName(), "");
    EXPECT_EQ(dest.Pen(), penBefore);  // assigned into, not replaced
    EXPECT_EQ(dest.Pen()->Width(), 4);
    EXPECT_TRUE(dest.Border()->Visible());
    ASSERT_EQ(dest.Items()->Count(), 1);
    EXPECT_EQ(static_cast<TTestItem*>(dest.Items()->Items(0))->Value(), 3);
}
