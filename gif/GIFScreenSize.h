#pragma once
// The size a GIF file gives its picture, read from its blocks without decoding a frame: the
// logical screen, grown to hold every frame as the reader grows it (each side as far as its
// 16-bit field goes).
#include <optional>

#include "platform/graphics/Geometry.h"

class TStream;

// From the stream's position, which is left where it was. Null when the stream does not start
// with a GIF signature and screen descriptor; blocks after an unknown one, or after the stream
// ends early, are not counted (the reader refuses or passes over them itself).
std::optional<TSize> ReadGIFScreenSize(TStream& stream);
