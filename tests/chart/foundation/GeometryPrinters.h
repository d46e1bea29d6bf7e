#pragma once
// Readable points and rectangles in failure messages.
#include <ostream>
#include <sstream>
#include <string>

#include "platform/graphics/Geometry.h"

inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline std::string Show(const TRect& r) {
    std::ostringstream os;
    PrintTo(r, &os);
    return os.str();
}
