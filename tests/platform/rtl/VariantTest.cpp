#include <gtest/gtest.h>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Variant.h"

TEST(Variant, ConvertsBetweenTheScalarKinds) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    // Each case gives the conversions that succeed; the failures have their own test.
    struct Case {
        Variant v;
        int64_t asInteger;
        long double asFloat;
        const char* asString;
        bool asBoolean;
    } cases[] = {
        {Variant(), 0, 0, "", false},
        {Variant(true), -1, -1, "True", true},  // the runtime's true is all bits set
        {Variant(42), 42, 42, "42", true},
        {Variant(int64_t(-9000000000)), -9000000000, -9e9L, "-9000000000", true},
        {Variant(2.5), 2, 2.5L, "2.5", true},  // halves to even
        {Variant(3.5L), 4, 3.5L, "3.5", true},
        {Variant(1e-5), 0, 1e-5, "1E-5", true},
        {Variant(1.5e20), 0, 1.5e20L, "1.5E20", true},  // too large for an integer
        {Variant("17"), 17, 17, "17", true},
        {Variant(" 2.5 "), 2, 2.5L, " 2.5 ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asString);
        if (c.asFloat < 1e18L) {
            EXPECT_EQ(c.v.AsInteger(), c.asInteger);
        }
        EXPECT_EQ(c.v.AsFloat(), c.asFloat);
        EXPECT_EQ(c.v.AsString(), c.asString);
        EXPECT_EQ(c.v.AsBoolean(), c.asBoolean);
    }
    EXPECT_EQ(Variant("$1F").AsInteger(), 31);
    EXPECT_FALSE(Variant("false").AsBoolean());
    EXPECT_TRUE(Variant("TRUE").AsBoolean());
}

TEST(Variant, FailedConversionsRaiseWithTheRuntimeText) {
    struct Case {
        Variant v;
        int target;  // 0 integer, 1 float, 2 string, 3 boolean
        const char* message;
    } cases[] = {
        {Variant("abc"), 1, "Could not convert variant of type (String) into type (Double)"},
        {Variant("1.5x"), 0, "Could not convert variant of type (String) into type (Integer)"},
        {Variant::Null(), 2, "Could not convert variant of type (Null) into type (String)"},
        {Variant::Null(), 0, "Could not convert variant of type (Null) into type (Integer)"},
        {Variant("maybe"), 3, "Could not convert variant of type (String) into type (Boolean)"},
        {Variant(1e30), 0, "Could not convert variant of type (Double) into type (Integer)"},
        {Variant(static_cast<TObject*>(nullptr)), 1,
         "Could not convert variant of type (Object) into type (Double)"},
    };
    for (const auto& c : cases) {
        try {
            switch (c.target) {
                case 0:
                    c.v.AsInteger();
                    break;
                case 1:
                    c.v.AsFloat();
                    break;
                case 2:
                    c.v.AsString();
                    break;
                default:
                    c.v.AsBoolean();
                    break;
            }
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const EConvertError& e) {  // EVariantError is a conversion error
            EXPECT_EQ(e.Message(), c.message);
            EXPECT_NE(dynamic_cast<const EVariantError*>(&e), nullptr);
        }
    }
}

TEST(Variant, FloatTextFollowsTheDecimalSeparator) {
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    TFormatSettingsGuard pinned{comma};
    EXPECT_EQ(Variant(1.25).AsString(), "1,25");
    EXPECT_EQ(Variant("1,25").AsFloat(), 1.25L);
    EXPECT_THROW(Variant("1.25").AsFloat(), EVariantError);
}

TEST(Variant, CopiesMovesAndComparesWithoutLosingTheValue) {
    Variant a(std::string(100, 'x'));
    Variant b = a;
    Variant c = std::move(a);
    EXPECT_EQ(b, c);
    b = 7;
    EXPECT_EQ(b, Variant(7.0));  // integer and float compare by value
    EXPECT_FALSE(b == Variant("7"));
    c = b;
    EXPECT_EQ(c.VarType(), varInt64);
    EXPECT_EQ(Variant::Null(), Variant::Null());
    EXPECT_FALSE(Variant() == Variant::Null());
    Variant d = Variant::FromDate(45000.5);
    EXPECT_EQ(d.VarType(), varDate);
    EXPECT_EQ(d.AsDateTime(), 45000.5);
    TFormatSettingsGuard pinned{TFormatSettings{}};
    EXPECT_EQ(d.AsString(), "03/15/2023 12:00:00");
}
