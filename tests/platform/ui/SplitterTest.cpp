#include <gtest/gtest.h>

#include <QWidget>

#include "platform/classes/PropAccess.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Splitter.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// A form with a panel aligned to one side, a splitter after it and a client panel.
struct SplitForm {
    TForm form{nullptr};
    TPanel* side;
    TSplitter* splitter;
    TPanel* rest;
    int moved = 0;
    SplitForm(TAlign align, TResizeStyle style) {
        form.SetBounds(0, 0, 400, 300);
        side = new TPanel(&form);
        side->SetParent(&form);
        side->SetBounds(0, 0, 100, 100);
        side->SetAlign(align);
        splitter = new TSplitter(&form);
        splitter->SetBounds(0, 0, 3, 3);
        splitter->SetAlign(align);
        splitter->SetParent(&form);
        splitter->SetResizeStyle(style);
        splitter->OnMoved = [this](TObject*) { ++moved; };
        rest = new TPanel(&form);
        rest->SetParent(&form);
        rest->SetAlign(alClient);
        form.Show();
    }
    int SideSize() const {
        return side->Align() == alLeft || side->Align() == alRight ? side->Width() : side->Height();
    }
    // Drags the splitter by (dx, dy) in steps, through the form's coordinates.
    void Drag(int dx, int dy, int* sizeMidway = nullptr) {
        TUserInput input;
        const QPoint start(splitter->Left() + 1, splitter->Top() + 1);
        input.Press(splitter, {1, 1});
        input.Move(&form, start + QPoint(dx / 2, dy / 2));
        input.Move(&form, start + QPoint(dx, dy));
        if (sizeMidway) *sizeMidway = SideSize();
        input.Release(&form, start + QPoint(dx, dy));
    }
};

TEST(Splitter, DraggingResizesTheControlBeforeIt) {
    struct Case {
        TAlign align;
        int dx, dy;
        int size;
    };
    // The form's client is 400 x 300; the splitter is 3 wide and the rest keeps MinSize 30.
    const Case cases[] = {
        {alLeft, 50, 0, 150},          {alLeft, -90, 0, 30},    {alLeft, 1000, 0, 400 - 3 - 30},
        {alRight, -50, 0, 150},        {alRight, 50, 0, 50},    {alTop, 0, 40, 140},
        {alTop, 0, 900, 300 - 3 - 30}, {alBottom, 0, -20, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(AlignNames().Name(c.align) + " " + std::to_string(c.dx + c.dy));
        SplitForm f(c.align, rsUpdate);
        ASSERT_EQ(f.form.ClientWidth(), 400);
        ASSERT_EQ(f.form.ClientHeight(), 300);
        f.Drag(c.dx, c.dy);
        EXPECT_EQ(f.SideSize(), c.size);
        EXPECT_EQ(f.moved, 1);
        // The splitter stays next to the control it resized, the rest takes what is left.
        const TRect side = f.side->BoundsRect(), bar = f.splitter->BoundsRect();
        const bool touches = side.Right == bar.Left || side.Left == bar.Right ||
                             side.Bottom == bar.Top || side.Top == bar.Bottom;
        EXPECT_TRUE(touches);
    }
}

TEST(Splitter, ResizeStylesDecideWhenTheControlFollows) {
    for (TResizeStyle style : {rsNone, rsLine, rsUpdate, rsPattern}) {
        SCOPED_TRACE(int(style));
        SplitForm f(alLeft, style);
        int midway = 0;
        auto lines = [&] {
            return f.form.Widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size();
        };
        const auto before = lines();
        TUserInput input;
        input.Press(f.splitter, {1, 1});
        input.Move(&f.form, {160, 20});
        const bool lineShown = lines() > before;
        midway = f.SideSize();
        input.Release(&f.form, {160, 20});
        EXPECT_EQ(midway, style == rsUpdate ? 159 : 100);
        EXPECT_EQ(lineShown, style == rsLine || style == rsPattern);
        EXPECT_EQ(lines(), before);  // the line goes with the release
        EXPECT_EQ(f.SideSize(), 159);
    }
}

TEST(Splitter, CanResizeMayRefuseOrChangeTheSize) {
    SplitForm f(alLeft, rsUpdate);
    f.splitter->OnCanResize = [](TObject*, int& size, bool& accept) {
        if (size > 200) accept = false;
        size -= size % 10;  // snaps to tens
    };
    f.Drag(57, 0);
    EXPECT_EQ(f.SideSize(), 150);
    f.Drag(60, 0);  // 180 on the way, then past 200: the last accepted size stays
    EXPECT_EQ(f.SideSize(), 180);
    EXPECT_EQ(GetEnumProp(f.splitter, "ResizeStyle"), "rsUpdate");
    EXPECT_EQ(f.moved, 2);
}

}  // namespace
