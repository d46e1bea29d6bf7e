#pragma once
// The lists the function and data-source pages offer: the function classes (after "Copy", which
// is no function), and the series that may feed a series.
class TChartSeries;
class TComboBox;
class TStrings;

#include "platform/classes/Object.h"

// "Copy", then every registered function class once, in registration order, by its gallery
// description on one line; each item's object is the class.
void FillFunctionChoices(TComboBox& combo);
// The class of the combo's chosen item; none for "Copy" or without a choice.
TClass SelectedFunctionClass(const TComboBox& combo);
// Selects the item of functionClass ("Copy" for none); true when found.
bool SelectFunctionClass(TComboBox& combo, TClass functionClass);

// Every series owned (at any depth) by the owner of series that its chart accepts as a source of
// it, by title with the series as object: all of them into single, and into available (when
// given) those not yet sources of series.
void ListSourceCandidates(TStrings* available, TStrings& single, TChartSeries& series);
