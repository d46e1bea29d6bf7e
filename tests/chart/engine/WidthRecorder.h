#pragma once
// A recording canvas that writes down the pen width of every line too.
#include <vector>

#include "tests/chart/foundation/RecordingCanvas3D.h"

class TWidthRecorder : public TRecordingCanvas3D {
public:
    void DrawLineTo(int x, int y) override {
        Widths.push_back(Pen()->Width());
        TRecordingCanvas3D::DrawLineTo(x, y);
    }
    std::vector<int> Widths;
};
