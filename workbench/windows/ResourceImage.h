#pragma once
// A picture of the program's own resources shown in a window at its own size.
#include <string>

class TImage;
class TWinControl;

// An image owned by and shown in `parent` with its top left corner at (left, top), holding the
// bitmap resource `name` and sized to it; empty and 0 x 0 when there is no such resource.
TImage* MakeResourceImage(TWinControl* parent, const std::string& name, int left, int top);
