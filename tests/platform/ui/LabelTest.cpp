#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "platform/classes/PropAccess.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "tests/support/OffscreenApplication.h"

namespace {

QLabel* Widget(TLabel* label) { return static_cast<QLabel*>(label->Widget()); }

TEST(Label, AutoSizeFollowsTheTextAndKeepsTheRightEdgeOfRightJustifiedText) {
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(10, 10, 65, 13);
    label->SetCaption("Wavelength");
    const int shortWidth = label->Width();
    label->SetCaption("Wavelength of the radiometer");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_EQ(label->Left(), 10);

    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("Wavelength");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_EQ(label->Width(), shortWidth);

    label->SetAutoSize(false);
    label->SetCaption("Wavelength of the radiometer");
    EXPECT_EQ(label->Width(), shortWidth);
}

TEST(Label, WordWrapKeepsTheWidthAndTakesTheHeightOfTheLines) {
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("one");
    const int lineHeight = label->Height();
    label->SetWordWrap(true);
    label->SetWidth(60);
    label->SetCaption("several words that cannot stand on one line of sixty pixels");
    EXPECT_EQ(label->Width(), 60);
    EXPECT_GE(label->Height(), 3 * lineHeight);
    EXPECT_TRUE(Widget(label)->wordWrap());
}

TEST(Label, AlignmentAndLayoutPlaceTheText) {
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    const struct {
        TAlignment alignment;
        TTextLayout layout;
        Qt::Alignment shown;
    } cases[] = {
        {taLeftJustify, tlTop, Qt::AlignLeft | Qt::AlignTop},
        {taCenter, tlCenter, Qt::AlignHCenter | Qt::AlignVCenter},
        {taRightJustify, tlBottom, Qt::AlignRight | Qt::AlignBottom},
    };
    for (const auto& c : cases) {
        label->SetAlignment(c.alignment);
        label->SetLayout(c.layout);
        EXPECT_EQ(Widget(label)->alignment(), c.shown) << c.alignment << " " << c.layout;
    }
    // The settings by name, as streams and editors reach them; cursors by their names.
    SetEnumProp(label, "Layout", "tlCenter");
    SetEnumProp(label, "DragMode", "dmAutomatic");
    SetPropValue(label, "DragCursor", Variant(std::string("crHandPoint")));
    EXPECT_EQ(label->Layout(), tlCenter);
    EXPECT_EQ(label->DragMode(), dmAutomatic);
    EXPECT_EQ(label->DragCursor(), crHandPoint);
    EXPECT_EQ(GetEnumProp(label, "Alignment"), "taRightJustify");
}

TEST(Label, TheAccessKeyFocusesTheFocusControl) {
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("&Name && title");
    EXPECT_EQ(Widget(label)->text().toStdString(), "Name & title");
    auto* first = new TEdit(&form);
    first->SetParent(&form);
    auto* name = new TEdit(&form);
    name->SetParent(&form);
    name->SetTop(40);
    label->SetFocusControl(name);
    EXPECT_EQ(Widget(label)->buddy(), name->Widget());
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()->windowHandle()));
    first->SetFocus();
    QTest::keyClick(form.Widget()->windowHandle(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(name->Focused());

    TObject::Free(name);  // the label lets go of a control that goes
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_EQ(Widget(label)->text().toStdString(), "Name & title");
}

}  // namespace
