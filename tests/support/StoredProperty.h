#pragma once
// Whether an object's published property would be written to its stream (differs from its
// default or is stored by rule); a name the class does not publish fails the test.
#include <gtest/gtest.h>

#include <string_view>

#include "platform/classes/PropInfo.h"

inline bool Writes(const TObject& object, std::string_view property) {
    const TPropInfo* prop = object.ClassType().Properties().Find(property);
    EXPECT_NE(prop, nullptr) << property;
    return prop && prop->ShouldWrite(&object);
}
