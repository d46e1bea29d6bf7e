#pragma once
// The errors of the object model, with the runtime's texts.
#include <initializer_list>
#include <string>

#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(EComponentError, Exception)
KV_EXCEPTION_CLASS(EClassNotFound, EFilerError)
KV_EXCEPTION_CLASS(EPropertyError, Exception)
KV_EXCEPTION_CLASS(EPropertyConvertError, Exception)

inline constexpr const char* SAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* SClassNotFound = "Class %s not found";
inline constexpr const char* SDuplicateClass = "A class named %s already exists";
inline constexpr const char* SDuplicateName = "A component named %s already exists";
inline constexpr const char* SInvalidName = "'%s' is not a valid component name";
inline constexpr const char* SUnknownProperty = "Property %s does not exist";
inline constexpr const char* SInvalidPropertyValue = "Invalid property value";
inline constexpr const char* SInvalidPropertyElement = "Invalid property element: %s";

// The message with each %s and %d replaced, in order, by the given texts.
std::string FormatClassMessage(const char* pattern, std::initializer_list<std::string> args);

// A fault in the text form of a component stream: "<what> on line <n>".
KV_EXCEPTION_CLASS(EParserError, Exception)
