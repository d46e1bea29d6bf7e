#pragma once
// Published properties by name: read and write with a variant value, list them, and turn
// enumeration and set values into names and back. Unknown names raise EPropertyError
// "Property %s does not exist"; values that do not fit raise a conversion error.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/PropInfo.h"
#include "platform/rtl/Variant.h"

class TPersistent;

// Null when the class has no published property of that name (letter case aside).
const TPropInfo* GetPropInfo(const TObject* instance, std::string_view name);
const TPropInfo* GetPropInfo(TClass cls, std::string_view name);
bool IsPublishedProp(const TObject* instance, std::string_view name);
// Every published property, ancestors' first.
std::vector<const TPropInfo*> GetPropList(TClass cls);

// preferStrings: enumerations read as their value name and sets as "a,b"; otherwise as numbers.
Variant GetPropValue(const TObject* instance, std::string_view name, bool preferStrings = true);
// Enumerations and sets take a name (or names) or a number; colours a colour name or a number;
// an object property takes an object of its class (a sub-object without setter is assigned to);
// a list of lines reads and takes its text (lines ended by CR LF).
void SetPropValue(TObject* instance, std::string_view name, const Variant& value);
void SetPropValue(TObject* instance, const TPropInfo& prop, const Variant& value);
Variant GetPropValue(const TObject* instance, const TPropInfo& prop, bool preferStrings = true);

int64_t GetOrdProp(const TObject* instance, std::string_view name);
void SetOrdProp(TObject* instance, std::string_view name, int64_t value);
std::string GetEnumProp(const TObject* instance, std::string_view name);
void SetEnumProp(TObject* instance, std::string_view name, std::string_view value);
long double GetFloatProp(const TObject* instance, std::string_view name);
void SetFloatProp(TObject* instance, std::string_view name, long double value);
std::string GetStrProp(const TObject* instance, std::string_view name);
void SetStrProp(TObject* instance, std::string_view name, const std::string& value);
TObject* GetObjectProp(const TObject* instance, std::string_view name);
void SetObjectProp(TObject* instance, std::string_view name, TObject* value);

// Copies every published property that source has too (same name and kind) into dest, so that
// an Assign needs no hand-kept list of fields: values are set, sub-objects and line lists are
// assigned into, references are shared. A component's name and event handlers are not copied.
void AssignPublished(TPersistent* dest, const TPersistent* source);

// Enumeration names; GetEnumValue gives -1 for an unknown name.
std::string GetEnumName(const TEnumInfo& info, int64_t value);
int GetEnumValue(const TEnumInfo& info, std::string_view name);
// "a,b" (with brackets: "[a,b]") and back; an unknown element raises EPropertyConvertError
// "Invalid property element: %s".
std::string SetToString(const TEnumInfo& info, uint64_t mask, bool brackets = false);
uint64_t StringToSet(const TEnumInfo& info, std::string_view text);

// Colour names (clRed) belong to the graphics layer, which installs the conversions here. Until
// then no colour has a name.
using TColorToIdent = bool (*)(int64_t color, std::string& ident);
using TIdentToColor = bool (*)(std::string_view ident, int64_t& color);
void SetColorIdentHooks(TColorToIdent toIdent, TIdentToColor toColor);
bool ColorToIdent(int64_t color, std::string& ident);
bool IdentToColor(std::string_view ident, int64_t& color);
