#pragma once
// Lists several editor pages share.
class TStrings;

// Appends the value formats the format lists offer, the library's default first.
void AddValueFormatPresets(TStrings& list);
