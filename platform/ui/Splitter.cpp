#include "platform/ui/Splitter.h"

#include <QWidget>
#include <algorithm>

#include "platform/classes/Publisher.h"

namespace {
const TEnumInfo& ResizeStyleNames() {
    static const TEnumInfo names{"rsNone", "rsLine", "rsUpdate", "rsPattern"};
    return names;
}
}  // namespace

void TSplitter::Publish(TPublisher<TSplitter>& p) {
    p.Enumeration("Align", AlignNames(), &TSplitter::Align, &TSplitter::SetAlign).Default(alLeft);
    p.Integer("Cursor", &TSplitter::Cursor, &TSplitter::SetCursor).Default(crHSplit);
    p.Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
    p.Enumeration("ResizeStyle", ResizeStyleNames(), &TSplitter::ResizeStyle,
                  &TSplitter::SetResizeStyle)
        .Default(rsPattern);
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
}

TSplitter::~TSplitter() { delete FLine; }

TControl* TSplitter::FindControl() const {
    if (!Parent()) return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        const bool touches = Align() == alLeft     ? c->Left() + c->Width() == Left()
                             : Align() == alRight  ? c->Left() == Left() + Width()
                             : Align() == alTop    ? c->Top() + c->Height() == Top()
                             : Align() == alBottom ? c->Top() == Top() + Height()
                                                   : false;
        if (touches) return c;
    }
    return nullptr;
}

int TSplitter::NewSize(int pos) const {
    const int delta = pos - FDownPos;
    const bool growsWithPos = Align() == alLeft || Align() == alTop;
    int size = FStartSize + (growsWithPos ? delta : -delta);
    // What the other controls aligned on this axis take; the rest must keep MinSize.
    int taken = 0;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == FControl || !c->Visible()) continue;
        const TAlign a = c->Align();
        if (Vertical() && (a == alLeft || a == alRight)) taken += c->Width();
        if (!Vertical() && (a == alTop || a == alBottom)) taken += c->Height();
    }
    const int room = (Vertical() ? Parent()->ClientWidth() : Parent()->ClientHeight()) - taken;
    return std::clamp(size, FMinSize, std::max(room - FMinSize, FMinSize));
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    FControl = FindControl();
    if (!FControl) return;
    FDownPos = ParentPos(x, y);
    FStartSize = FNewSize = Vertical() ? FControl->Width() : FControl->Height();
    if (FResizeStyle == rsLine || FResizeStyle == rsPattern) ShowLine(FNewSize);
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!FControl) return;
    int size = NewSize(ParentPos(x, y));
    bool accept = true;
    if (OnCanResize) Fire([&] { OnCanResize(this, size, accept); });
    if (!accept || size == FNewSize) return;
    FNewSize = size;
    if (FResizeStyle == rsUpdate) ApplySize(size);
    if (FResizeStyle == rsLine || FResizeStyle == rsPattern) ShowLine(size);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !FControl) return;
    delete FLine;  // the line lives for one drag
    FLine = nullptr;
    ApplySize(FNewSize);
    FControl = nullptr;
    if (OnMoved) Fire([this] { OnMoved(this); });
}

void TSplitter::ApplySize(int size) {
    if (Vertical())
        FControl->SetWidth(size);
    else
        FControl->SetHeight(size);
}

void TSplitter::ShowLine(int size) {
    if (!FLine) {
        FLine = new QWidget(Parent()->Widget());
        FLine->setAttribute(Qt::WA_TransparentForMouseEvents);
        FLine->setAutoFillBackground(true);
        QPalette palette = FLine->palette();
        palette.setColor(QPalette::Window, Qt::darkGray);
        FLine->setPalette(palette);
    }
    const TRect c = FControl->BoundsRect();
    switch (Align()) {
        case alLeft:
            FLine->setGeometry(c.Left + size, Top(), Width(), Height());
            break;
        case alRight:
            FLine->setGeometry(c.Right - size - Width(), Top(), Width(), Height());
            break;
        case alTop:
            FLine->setGeometry(Left(), c.Top + size, Width(), Height());
            break;
        default:
            FLine->setGeometry(Left(), c.Bottom - size - Height(), Width(), Height());
            break;
    }
    FLine->raise();
    FLine->show();
}
