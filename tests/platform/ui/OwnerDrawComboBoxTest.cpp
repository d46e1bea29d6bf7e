#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TColor PixelOf(const QImage& image, int x, int y) {
    QColor c = image.pixelColor(x, y);
    return TColor(c.red() | c.green() << 8 | c.blue() << 16);
}

TEST(ComboBox, OwnerDrawnItemsAndFaceAreTheOwners) {
    TForm form(nullptr);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDown);
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(18);
    for (const char* item : {"Solid", "Dash", "Dot"}) combo->Items()->Add(item);
    auto* qt = static_cast<QComboBox*>(combo->Widget());
    EXPECT_FALSE(qt->isEditable());  // a list to choose from

    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    combo->OnDrawItem = [&](TWinControl* control, int index, const TRect& r, TOwnerDrawState s) {
        EXPECT_EQ(control, combo);
        drawn.push_back({index, s});
        TCanvas* canvas = combo->Canvas();
        if (index == 1) canvas->Brush()->SetColor(clRed);
        canvas->FillRect(r);
    };

    // The face shows the chosen item as the owner draws it; without a choice it is only filled.
    qt->grab();
    EXPECT_TRUE(drawn.empty());
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Dash");
    QImage face = qt->grab().toImage();
    EXPECT_EQ(PixelOf(face, 8, face.height() / 2), ColorToRGB(clRed));
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().first, 1);
    EXPECT_TRUE(drawn.back().second.Contains(odComboBoxEdit));

    // The items of the list, ItemHeight high.
    QAbstractItemView* view = qt->view();
    EXPECT_EQ(view->sizeHintForRow(0), 18);
    qt->showPopup();
    QImage items = view->viewport()->grab().toImage();
    QRect dash = view->visualRect(qt->model()->index(1, 0));
    EXPECT_EQ(dash.height(), 18);
    EXPECT_EQ(PixelOf(items, dash.center().x(), dash.center().y()), ColorToRGB(clRed));
    qt->hidePopup();

    // Variable heights from OnMeasureItem; back to a plain list, the toolkit draws again.
    combo->SetStyle(csOwnerDrawVariable);
    combo->OnMeasureItem = [](TWinControl*, int index, int& height) { height += 4 * index; };
    EXPECT_EQ(view->sizeHintForRow(2), 26);
    drawn.clear();
    combo->SetStyle(csDropDownList);
    qt->grab();
    EXPECT_TRUE(drawn.empty());
}

}  // namespace
