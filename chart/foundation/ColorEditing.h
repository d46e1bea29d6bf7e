#pragma once
// Choosing a colour with the platform's colour dialog, keeping the user's custom colours for the
// whole process from one dialog to the next.
#include <vector>

#include "platform/graphics/Colors.h"

class TComponent;

// The custom colours of the last accepted dialog.
std::vector<TColor>& CustomColorList();
// The chosen colour, or Colour itself when the dialog is cancelled.
TColor EditColorWithDialog(TComponent* Owner, TColor Colour);
// Runs the dialog on Colour; true, with Colour changed, only when another colour was chosen.
bool EditColorVar(TComponent* Owner, TColor& Colour);
