// Field values: conversions, limits, required and read-only fields, texts and handlers.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/platform/db/DataSetFixtures.h"

namespace {

struct TAllKinds {
    TClientDataSet ds;
    TStringField* S = ds.AddField<TStringField>("S", 5);
    TSmallintField* I16 = ds.AddField<TSmallintField>("I16");
    TIntegerField* I32 = ds.AddField<TIntegerField>("I32");
    TFloatField* F = ds.AddField<TFloatField>("F");
    TDateTimeField* D = ds.AddField<TDateTimeField>("D");
    TMemoField* M = ds.AddField<TMemoField>("M");
    TAllKinds() {
        ds.CreateDataSet();
        ds.Append();
    }
};

}  // namespace

TEST(Field, ValuesConvertBetweenKinds) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    TAllKinds k;
    struct Case {
        TField* field;
        std::string assigned;
        std::string asString;
        double asFloat;
        int32_t asInteger;
    } cases[] = {
        {k.S, "42", "42", 42, 42},
        {k.S, "abcdefg", "abcde", 0, 0},  // cut to 5 characters; numbers not read below
        {k.I16, "-32768", "-32768", -32768, -32768},
        {k.I32, " 7 ", "7", 7, 7},
        {k.F, "2.5", "2.5", 2.5, 2},  // halves to even
        {k.F, "3.5", "3.5", 3.5, 4},
        {k.D, "1.5", "12/31/1899 12:00:00", 1.5, 2},
        {k.M, "line1\r\nline2", "line1\r\nline2", 0, 0},
    };
    for (const Case& c : cases) {
        c.field->SetAsString(c.assigned);
        EXPECT_EQ(c.field->AsString(), c.asString) << c.field->FieldName() << " = " << c.assigned;
        if (c.asFloat != 0) {
            EXPECT_EQ(c.field->AsFloat(), c.asFloat) << c.field->FieldName();
            EXPECT_EQ(c.field->AsInteger(), c.asInteger) << c.field->FieldName();
        }
    }
    // Empty text clears a number; null reads as empty text and zero.
    k.F->SetAsString("");
    EXPECT_TRUE(k.F->IsNull());
    EXPECT_EQ(k.F->AsString(), "");
    EXPECT_EQ(k.F->AsFloat(), 0);
    EXPECT_THROW(k.I32->SetAsString("1.5"), EConvertError);
    EXPECT_THROW(k.F->SetAsString("abc"), EConvertError);
    EXPECT_THROW(k.S->SetAsString("\xE2\x82\xAC\xE4\xB8\x80"), EConvertError) << "not storable";
    k.S->SetAsString("\xE2\x82\xAC");  // the euro sign has a byte of its own
    EXPECT_EQ(k.S->AsString(), "\xE2\x82\xAC");
}

TEST(Field, LimitsRefuseOnAssignmentAndNameTheField) {
    TAllKinds k;
    k.F->SetDisplayLabel("Emissivity");
    k.F->SetMinValue(0);
    k.F->SetMaxValue(1);
    k.F->SetAsFloat(0.25);
    try {
        k.F->SetAsFloat(1.5);
        FAIL();
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message(),
                  "1.5 is not a valid value for field 'Emissivity'. The allowed range is 0 to 1");
    }
    EXPECT_EQ(k.F->AsFloat(), 0.25) << "a refused value is not kept";
    EXPECT_THROW(k.F->SetAsString("-0.1"), ERangeError);
    EXPECT_THROW(k.F->SetAsFloat(std::nan("")), ERangeError);
    struct Case {
        TField* field;
        double value;
        bool refused;
    } cases[] = {{k.I16, 32767, false},
                 {k.I16, 32768, true},
                 {k.I16, -32769, true},
                 {k.I32, 2147483647.0, false},
                 {k.I32, 2147483648.0, true}};
    for (const Case& c : cases) {
        if (c.refused)
            EXPECT_THROW(c.field->SetAsFloat(c.value), ERangeError) << c.value;
        else
            EXPECT_NO_THROW(c.field->SetAsFloat(c.value)) << c.value;
    }
    k.I32->SetMinValue(1);
    k.I32->SetMaxValue(3);
    EXPECT_THROW(k.I32->SetAsInteger(0), ERangeError);
}

TEST(Field, DisplayAndEditTexts) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    TAllKinds k;
    k.F->SetAsFloat(1234.56789);
    EXPECT_EQ(k.F->DisplayText(), "1234.56789");
    k.F->SetPrecision(4);
    EXPECT_EQ(k.F->Text(), "1235") << "precision governs the plain texts";
    k.F->SetDisplayFormat("###,###,###");
    EXPECT_EQ(k.F->DisplayText(), "1,235");
    EXPECT_EQ(k.F->Text(), "1235");
    k.I32->SetAsInteger(5);
    k.I32->SetDisplayFormat("000");
    EXPECT_EQ(k.I32->DisplayText(), "005");
    k.D->SetAsDateTime(45000.5);
    k.D->SetDisplayFormat("mm/dd/yyyy hh:nn:ss");
    EXPECT_EQ(k.D->DisplayText(), "03/15/2023 12:00:00");
    k.F->Clear();
    EXPECT_EQ(k.F->DisplayText(), "");
}

TEST(Field, DateTimeTakesBackItsOwnTexts) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    TAllKinds k;
    k.D->SetDisplayFormat("mm/dd/yyyy hh:nn:ss");  // the databases' grid format
    const double stamps[] = {EncodeDate(2025, 12, 10) + EncodeTime(6, 0, 0, 0),
                             EncodeDate(2026, 3, 5),  // midnight: the plain text has no time
                             -1 - EncodeTime(18, 30, 15, 0)};  // 12/29/1899 18:30:15
    for (const double stamp : stamps) {
        k.D->SetAsDateTime(stamp);
        const std::string texts[] = {k.D->AsString(), k.D->DisplayText(), k.D->Text()};
        for (const std::string& text : texts) {
            k.D->SetAsDateTime(0);
            k.D->SetText(text);
            EXPECT_DOUBLE_EQ(k.D->AsDateTime(), stamp) << text;
        }
    }
    try {
        k.D->SetAsString("12/32/2025 06:00:00");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(),
                  "'12/32/2025 06:00:00' is not a valid date and time value for field 'D'");
    }
    EXPECT_DOUBLE_EQ(k.D->AsDateTime(), stamps[2]) << "a refused text is not kept";
}

TEST(Field, WritingNeedsEditStateAndAWritableField) {
    TNamesTable t;
    t.Add("a");
    try {
        t.Name->SetAsString("b");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Dataset not in edit or insert mode");
    }
    t.ds.Edit();
    t.Value->SetReadOnly(true);
    EXPECT_THROW(t.Value->SetAsFloat(1), EDatabaseError);
    t.Name->Clear();
    EXPECT_THROW(t.ds.Post(), EDatabaseError);
    EXPECT_EQ(t.ds.State(), dsEdit);
}

TEST(Field, ValidateMayRefuseAndChangeMayWriteSiblings) {
    TNamesTable t;
    t.Value->OnValidate = [&](TField* f) {
        if (f->AsFloat() < 0) throw EDatabaseError("negative");
    };
    t.Value->OnChange = [&](TField* f) { t.Stamp->SetAsDateTime(f->AsFloat() * 2); };
    t.ds.Insert();
    t.Value->SetAsFloat(4);
    EXPECT_EQ(t.Stamp->AsDateTime(), 8);
    EXPECT_THROW(t.Value->SetAsFloat(-1), EDatabaseError);
    EXPECT_EQ(t.Value->AsFloat(), 4);
    EXPECT_EQ(t.Stamp->AsDateTime(), 8);
}

TEST(Field, IndexMovesTheFieldInTheList) {
    TNamesTable t;
    EXPECT_EQ(t.Value->Index(), 2);
    t.Value->SetIndex(0);
    EXPECT_EQ(t.ds.Fields(0), t.Value);
    EXPECT_EQ(t.Name->Index(), 1);
    t.Add("kept");
    EXPECT_EQ(t.ds.FieldByName("NAME")->AsString(), "kept") << "columns stay where they were";
}

TEST(Field, VariantValuesByKind) {
    TAllKinds k;
    EXPECT_TRUE(k.F->AsVariant().IsNull());
    struct Case {
        TField* field;
        Variant assigned;
        TVarType readBack;
        std::string text;
    } cases[] = {
        {k.F, Variant(std::string("2.5")), varDouble, "2.5"},
        {k.I32, Variant(7.0), varInt64, "7"},
        {k.D, Variant::FromDate(2.0), varDate, ""},  // its text is the runtime's business
        {k.S, Variant(12), varString, "12"},
    };
    for (const Case& c : cases) {
        c.field->SetAsVariant(c.assigned);
        EXPECT_EQ(c.field->AsVariant().VarType(), c.readBack) << c.field->FieldName();
        if (!c.text.empty()) {
            EXPECT_EQ(c.field->AsVariant().AsString(), c.text) << c.field->FieldName();
        }
    }
    k.F->SetAsVariant(Variant::Null());
    EXPECT_TRUE(k.F->IsNull());
}
