#pragma once
// The region's data, shared by the region and the canvas's clip (in .cpp files of this folder
// only, where the toolkit may be included before this header).
#include "platform/graphics/Region.h"

struct TRegion::TImpl {
    QRegion Region;
};
