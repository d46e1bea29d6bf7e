#pragma once
// Messages of the data-aware controls.

// The question the navigator and the grid ask before deleting the current record.
inline constexpr const char* SDeleteRecordQuestion = "Delete record?";
