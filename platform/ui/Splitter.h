#pragma once
// A bar between an aligned control and the rest of its parent; dragging it resizes that control
// (the one with the same Align just before the splitter). The size stays between MinSize and what
// leaves MinSize to the rest of the parent. With ResizeStyle rsUpdate the control follows the
// mouse; rsLine and rsPattern show a line where the splitter will go and resize at the release;
// rsNone resizes only at the release. OnCanResize may change or refuse each new size; OnMoved
// follows the release.
#include <algorithm>

#include "platform/ui/CustomControl.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };

using TCanResizeEvent = std::function<void(TObject* sender, int& newSize, bool& accept)>;

class TSplitter : public TGraphicControl {
    KV_DECLARE_CLASS(TSplitter, TGraphicControl)
public:
    explicit TSplitter(TComponent* owner);
    ~TSplitter() override;

    int MinSize() const { return FMinSize; }
    void SetMinSize(int value) { FMinSize = std::max(value, 1); }
    TResizeStyle ResizeStyle() const { return FResizeStyle; }
    void SetResizeStyle(TResizeStyle value) { FResizeStyle = value; }

    static void Publish(TPublisher<TSplitter>& p);

    TCanResizeEvent OnCanResize;
    TNotifyEvent OnMoved;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool Vertical() const { return Align() == alLeft || Align() == alRight; }
    // The control the splitter resizes, or null.
    TControl* FindControl() const;
    // Mouse position along the dragging axis, in the parent's coordinates.
    int ParentPos(int x, int y) const { return Vertical() ? Left() + x : Top() + y; }
    int NewSize(int pos) const;
    void ShowLine(int size);
    void ApplySize(int size);

    int FMinSize = 30;
    TResizeStyle FResizeStyle = rsPattern;
    TControl* FControl = nullptr;  // being resized
    int FDownPos = 0;
    int FStartSize = 0;
    int FNewSize = 0;
    class QWidget* FLine = nullptr;  // in the parent, during a drag
};
