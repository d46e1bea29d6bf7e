#pragma once
struct TDeep {
    int Depth = 1;
};
