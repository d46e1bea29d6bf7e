#include <gtest/gtest.h>

#include "TestFamily.h"
#include "platform/classes/ClassErrors.h"
#include "platform/classes/ClassRegistry.h"

namespace impostor {
// Another class that calls itself TTestPen.
class TTestPen : public TPersistent {
    KV_DECLARE_CLASS(TTestPen, TPersistent)
};
}  // namespace impostor

TEST(ClassRegistry, FindsRegisteredClassesByNameInAnyCase) {
    RegisterTestFamily();
    RegisterTestFamily();  // twice is harmless
    EXPECT_EQ(FindClass("ttestshape"), &TTestShape::StaticClass());
    EXPECT_EQ(GetClass("TTESTITEM"), &TTestItem::StaticClass());
    EXPECT_EQ(GetClass("TNoSuch"), nullptr);
    try {
        FindClass("TNoSuch");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNoSuch not found");
    }
    try {
        RegisterClass(&impostor::TTestPen::StaticClass());
        FAIL();
    } catch (const EFilerError& e) {
        EXPECT_EQ(e.Message(), "A class named TTestPen already exists");
    }
    UnRegisterClass(&TTestPen::StaticClass());
    EXPECT_EQ(GetClass("TTestPen"), nullptr);
    RegisterClass(&impostor::TTestPen::StaticClass());
    EXPECT_EQ(GetClass("TTestPen"), &impostor::TTestPen::StaticClass());
    UnRegisterClass(&impostor::TTestPen::StaticClass());
    RegisterTestFamily();
    EXPECT_EQ(GetClass("TTestPen"), &TTestPen::StaticClass());
}
