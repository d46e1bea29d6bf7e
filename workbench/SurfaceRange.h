#pragma once
// The range of consecutive generatrix rows the surface range dialogs act on, and the checks of
// the values they assign.
#include <string>

// The items of the "Nodes" / "Surfaces" radio group, in order.
enum TRangeItem { riFirstToCurrent, riCurrentToLast, riAll, riFromTo };
inline constexpr const char* RangeItemTexts[] = {"From First to Current", "From Current to Last",
                                                 "All", "From ... to ..."};

struct TSurfaceRange {
    int From = 1, To = 1;
};

// The rows (record numbers 1..count) of the chosen item; `current` is the current row's number
// and from/to the spin edits. A "From ... to ..." range with to < from is refused with
// "Incorrect node numbers: from a to b" (Delete, `nodes`) or "Incorrect surface numbers: ...".
bool ResolveSurfaceRange(TRangeItem item, int current, int count, int from, int to, bool nodes,
                         TSurfaceRange& range, std::string& message);

// An emissivity or diffusity typed in the Assign dialog: "Invalid value for " + name for text that
// is not a number, name + " must be from 0 to 1" outside 0..1 (both bounds are valid).
bool ReadUnitValue(const std::string& text, const std::string& name, double& value,
                   std::string& message);

// Panel 0 of the dialogs: name + ": " + n + " surface" or " surfaces".
std::string SurfaceCountText(const std::string& datasetName, int count);
