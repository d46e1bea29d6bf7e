#pragma once
// The run-length encoder: emits only literals and codes for runs of one pixel value, tracking
// exactly which table entries the decoder creates, so every code it sends is one the decoder
// has (or is defining at that moment). It needs no string table of its own.
#include "gif/GIFEncoder.h"

class TRLEEncoder : public TGIFEncoder {
public:
    TRLEEncoder() = default;

protected:
    void Clear() override;
    void DoCompress() override;

private:
    void PlainOutput(int code);
    void MaxOutClear() { FClearThreshold = FMaxCodes; }
    void ResetClear();
    static int TriangleCost(int count, int n);
    void Flush(int count);
    void FlushFromClear(int count);
    void FlushClearOrRepeat(int count);
    void FlushWithTable(int count);

    int FBumpInit = 0, FBumpThreshold = 0;
    int FClearInit = 0, FClearThreshold = 0;
    int FOutCount = 0;
    int FMaxCodes = 0;
    int FTableRunLength = 0;
    int FTablePixel = 0;
    int FRunPixel = -1;
};
