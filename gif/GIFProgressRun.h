#pragma once
// The progress report of a picture's long operation (loading, saving, copying, optimising).
#include "gif/GIFImage.h"

// Reports a long operation of a picture: its start at once, and its end however it ends, with
// 100 once Finish is called and 0 when it fails.
class TGIFProgressRun {
public:
    TGIFProgressRun(TGIFImage& image, const char* message, bool redraw)
        : FImage(image), FMessage(message), FRedraw(redraw) {
        FImage.Progress(&FImage, gpsStarting, 0, false, FMessage);
    }
    TGIFProgressRun(const TGIFProgressRun&) = delete;
    TGIFProgressRun& operator=(const TGIFProgressRun&) = delete;
    ~TGIFProgressRun() {
        if (FFinished) return;
        // The operation is failing already: its own exception is the one to pass on.
        try {
            FImage.Progress(&FImage, gpsEnding, 0, FRedraw, FMessage);
        } catch (...) {
        }
    }
    void Running(int percent) { FImage.Progress(&FImage, gpsRunning, percent, false, FMessage); }
    void Finish() {
        FFinished = true;
        FImage.Progress(&FImage, gpsEnding, 100, FRedraw, FMessage);
    }

private:
    TGIFImage& FImage;
    const char* FMessage;
    bool FRedraw;
    bool FFinished = false;
};
