#pragma once
// The chart editor's remembered options (window placement, gallery settings), kept as Boolean
// and integer values under one key of the settings store.
#include <string>

extern const char* const EditorRegistryKey;

// The stored value, or Default when the key or the value is missing; a value of another type
// raises ERegistryException.
bool ReadEditorOptionBool(const std::string& Name, bool Default);
int ReadEditorOptionInt(const std::string& Name, int Default);
// Writes the value, making the key when missing; nothing when the key cannot be opened.
void WriteEditorOptionBool(const std::string& Name, bool Value);
void WriteEditorOptionInt(const std::string& Name, int Value);
