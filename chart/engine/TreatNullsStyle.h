#pragma once
// What a line does at a null point (a point whose colour is clNone).
#include "platform/classes/PropInfo.h"

enum TTreatNullsStyle {
    tnDontPaint,  // a gap: the line restarts at the next point
    tnSkip,       // the line goes on from the last drawn point as if the null were not there
    tnIgnore      // the null point is drawn like any other
};
const TEnumInfo& TreatNullsStyleNames();
