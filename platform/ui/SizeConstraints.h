#pragma once
// The smallest and largest size a control may take; 0 leaves a side unbounded.
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"

class TSizeConstraints : public TPersistent {
    KV_DECLARE_CLASS(TSizeConstraints, TPersistent)
public:
    TSizeConstraints();
    ~TSizeConstraints() override;

    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value) { Set(FMinWidth, value); }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int value) { Set(FMinHeight, value); }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value) { Set(FMaxWidth, value); }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int value) { Set(FMaxHeight, value); }

    // The width and height brought inside the bounds.
    int ConstrainWidth(int width) const;
    int ConstrainHeight(int height) const;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSizeConstraints>& p);

    TNotifyEvent OnChange;

private:
    void Set(int& field, int value);
    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};
