#pragma once
// The caret, selection, text alignment and inner margins of a single-line edit, for controls
// built on TEdit that filter keys by where the caret is or keep room for parts of their own.
// Positions count characters.
#include <string>

#include "platform/ui/Label.h"

class TEdit;

int EditSelStart(const TEdit& edit);
// Puts the caret at position and selects nothing.
void SetEditSelStart(TEdit& edit, int position);
int EditSelLength(const TEdit& edit);
// Selects length characters from the caret on.
void SetEditSelLength(TEdit& edit, int length);
std::string EditSelText(const TEdit& edit);
void SetEditAlignment(TEdit& edit, TAlignment alignment);
// Room kept free inside the edit's left and right borders, in pixels.
void SetEditMargins(TEdit& edit, int left, int right);
int EditLeftMargin(const TEdit& edit);
int EditRightMargin(const TEdit& edit);
// The system's warning sound for a refused key.
void Beep();
