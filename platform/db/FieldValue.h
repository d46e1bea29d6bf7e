#pragma once
// The value of one field in one record as the record store keeps it: null, a 32-bit integer
// (small and plain integer columns), a double (float and date-time columns) or a string (string
// and memo columns, UTF-8). Nested-table columns keep no value here: their rows live in a child
// store owned by the record.
#include <cstdint>
#include <string>
#include <variant>

using TFieldValue = std::variant<std::monostate, int32_t, double, std::string>;

inline bool IsNullValue(const TFieldValue& v) { return std::holds_alternative<std::monostate>(v); }
