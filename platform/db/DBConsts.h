#pragma once
// The dataset layer's own error class and message texts. Texts that name a field take it through
// the helpers below so that every message quotes it the same way.
#include <string>

#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(EDatabaseError, Exception)

inline constexpr const char* SKeyViolation = "Key violation.";
inline constexpr const char* SNotEditing = "Dataset not in edit or insert mode";
inline constexpr const char* SDataSetClosed = "Cannot perform this operation on a closed dataset";
inline constexpr const char* SDataSetOpen = "Cannot perform this operation on an open dataset";
inline constexpr const char* SDataSetEmpty = "Cannot perform this operation on an empty dataset";
inline constexpr const char* SRecordNotFound = "Record not found";
inline constexpr const char* SNoFieldDefs = "Missing data provider or data packet";
inline constexpr const char* SNoMasterRecord =
    "Cannot perform this operation without a master record";

inline std::string FieldNotFoundMessage(const std::string& name) {
    return "Field '" + name + "' not found";
}
inline std::string FieldRequiredMessage(const std::string& name) {
    return "Field '" + name + "' must have a value";
}
inline std::string FieldReadOnlyMessage(const std::string& name) {
    return "Field '" + name + "' cannot be modified";
}
inline std::string IndexNotFoundMessage(const std::string& name) {
    return "Index '" + name + "' not found";
}
