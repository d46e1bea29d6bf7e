#pragma once
// Names for components the chart library creates (series, tools, functions).
#include <string>
#include <string_view>

class TComponent;

// Base followed by the first number 1, 2, ... that no component of Owner is called; Base + "1"
// without an owner.
std::string UniqueComponentName(const TComponent* Owner, std::string_view Base);
