#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <stdexcept>

#include "platform/graphics/Font.h"
#include "platform/graphics/FontEngine.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(ParentFont, TheFormsFontReachesItsControlsUntilOneHasItsOwn) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* label = new TLabel(&form);
    label->SetParent(panel);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* own = new TEdit(&form);
    own->Font()->SetName("Courier New");  // a font of its own
    own->SetParent(&form);
    EXPECT_FALSE(own->ParentFont());

    form.Font()->SetName("Tahoma");
    form.Font()->SetSize(12);
    form.Font()->SetStyle({fsBold});
    for (TControl* c : std::initializer_list<TControl*>{panel, label, edit}) {
        EXPECT_EQ(c->Font()->Name(), "Tahoma") << c->ClassName();
        EXPECT_EQ(c->Font()->Size(), 12) << c->ClassName();
        EXPECT_TRUE(c->ParentFont()) << c->ClassName();
        EXPECT_TRUE(c->Widget()->font().bold()) << c->ClassName();
        EXPECT_EQ(c->Widget()->font().family(), QString::fromStdString(FontFamilyFor("Tahoma")));
    }
    EXPECT_EQ(own->Font()->Name(), "Courier New");

    // A control put into a window later takes its font too, and ParentFont brings it back.
    auto* late = new TLabel(&form);
    late->SetParent(panel);
    EXPECT_EQ(late->Font()->Name(), "Tahoma");
    own->SetParentFont(true);
    EXPECT_EQ(own->Font()->Name(), "Tahoma");
}

TEST(ParentColor, TheParentsColourReachesControlsThatFollowIt) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* label = new TLabel(&form);
    label->SetParent(panel);
    auto* edit = new TEdit(&form);  // edits have their window colour
    edit->SetParent(panel);
    form.SetColor(clMoneyGreen);
    EXPECT_EQ(panel->Color(), clMoneyGreen);
    EXPECT_EQ(label->Color(), clMoneyGreen);
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_FALSE(edit->ParentColor());
    panel->SetColor(clWhite);
    EXPECT_FALSE(panel->ParentColor());
    EXPECT_EQ(label->Color(), clWhite);
    form.SetColor(clRed);
    EXPECT_EQ(label->Color(), clWhite);
}

TEST(ComboBox, OnChangeFiresOncePerKeystrokeAfterStyleChanges) {
    TForm form(nullptr);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDown);
    combo->SetStyle(csDropDownList);
    combo->SetStyle(csDropDown);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    QLineEdit* edit = static_cast<QComboBox*>(combo->Widget())->lineEdit();
    ASSERT_NE(edit, nullptr);
    for (auto [key, text] : {std::pair{Qt::Key_1, "1"}, {Qt::Key_2, "2"}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(combo->Text(), "12");
    EXPECT_EQ(changes, 2);
}

// A resize that fails half-way leaves the window able to lay out again.
class TFailingPanel : public TPanel {
public:
    using TPanel::TPanel;
    int Failures = 1;

protected:
    void Resize() override {
        if (Failures-- > 0) throw std::runtime_error("resize failed");
        TPanel::Resize();
    }
};

TEST(Realign, AFailedResizeDoesNotStopLaterLayouts) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* failing = new TFailingPanel(&form);
    failing->SetParent(&form);
    auto* client = new TPanel(&form);
    client->SetParent(&form);
    client->SetAlign(alClient);
    EXPECT_THROW(failing->SetAlign(alTop), std::runtime_error);
    form.SetBounds(0, 0, 400, 250);
    EXPECT_EQ(failing->BoundsRect(), Rect(0, 0, 400, failing->Height()));
    EXPECT_EQ(client->BoundsRect(), Rect(0, failing->Height(), 400, 250));
}

}  // namespace
