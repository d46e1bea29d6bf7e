#pragma once
// Texts made of fields with a separator between them ("a;b;c"), and the small text conversions
// the chart library shares: one character for another, format separators to and from the
// locale's, plain integer text.
#include <cstdint>
#include <string>
#include <string_view>

// The separator of field lists: ";" from start-up, empty after shutdown.
extern std::string FieldSeparator;

// 0 for an empty text, else one more than the separators in it.
int CountFields(std::string_view Text);
// Field N counted from 1; when fewer fields follow, the last one. Empty for an empty text or
// N < 1.
std::string ExtractField(std::string_view Text, int N);
// The same with Separator in place of FieldSeparator for the call.
int CountFieldsSep(std::string_view Text, std::string_view Separator);
std::string ExtractFieldSep(std::string_view Text, int N, std::string_view Separator);

// Every Old replaced by New, or removed when New is the zero character.
std::string SubstituteChar(std::string_view Text, char Old, char New);
// ',' to the locale's thousand separator and '.' to its decimal separator, and back.
std::string ToLocalSeparators(std::string_view Format);
std::string ToInvariantSeparators(std::string_view Format);

std::string IntToText(int64_t Value);

void LoadFieldSeparator();
void FreeFieldSeparator();
