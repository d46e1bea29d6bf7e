#include <gtest/gtest.h>

#include "chart/foundation/ComponentNames.h"
#include "platform/classes/Component.h"

namespace {

TEST(ComponentNamesTest, FirstFreeNumber) {
    TComponent owner(nullptr);
    EXPECT_EQ(UniqueComponentName(&owner, "Series"), "Series1");
    for (const char* name : {"Series1", "series2", "Series4"}) {
        TComponent* c = new TComponent(&owner);  // freed by its owner
        c->SetName(name);
    }
    EXPECT_EQ(UniqueComponentName(&owner, "Series"), "Series3");  // letter case aside
    EXPECT_EQ(UniqueComponentName(&owner, "Tool"), "Tool1");
    EXPECT_EQ(UniqueComponentName(nullptr, "Series"), "Series1");
}

}  // namespace
