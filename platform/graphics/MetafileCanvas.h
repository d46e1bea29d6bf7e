#pragma once
// A canvas that records into a metafile: everything drawn on it is kept as records, with the
// drawing state each primitive used, and handed to the metafile when the canvas is freed.
// Text is measured, and device capabilities answered, as on the reference device (a screen
// when none is given).
#include <memory>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/MetafileRecord.h"

class TMetafile;

class TMetafileCanvas : public TCanvas, private TCanvasRecorder {
public:
    TMetafileCanvas(TMetafile* metafile, TCanvas* referenceDevice);
    ~TMetafileCanvas() override;

    int DeviceCaps(int index) override;

protected:
    QImage* Image() override { return nullptr; }

private:
    void Record(TCanvas& canvas, TMetaOp op, std::span<const int> args,
                std::string_view text) override;
    void RecordImage(TCanvas& canvas, const TRect& dest, const QImage& image, const TRect& srcRect,
                     TPenMode rop) override;
    void RecordClip(TCanvas& canvas, const TRegion* region, TRegionCombineMode mode) override;
    // State records for whatever changed since the last primitive.
    void SyncState(bool withFont);
    void Put(TMetaKind kind, std::vector<int> args, std::string text = {});

    TMetafile* FMetafile;
    TCanvas* FReference;
    TMetaRecords FRecords;
    // The last state recorded, per kind (empty: not recorded yet).
    std::vector<int> FLast[int(TMetaKind::Clip) + 1];
    std::string FLastFontName;
};
