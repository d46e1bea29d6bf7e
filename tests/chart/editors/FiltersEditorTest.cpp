// The Filters dialog driven as the user drives it: lines clicked, buttons pressed, options
// changed, the preview watched, and the element's filters left as they were after Cancel.
#include <gtest/gtest.h>

#include <QListWidget>
#include <string>

#include "chart/editors/FiltersEditor.h"
#include "chart/editors/OptionFormCreator.h"
#include "chart/foundation/ImageFiltered.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFilters.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/CheckListBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SpeedButton.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct FiltersEditorTest : ::testing::Test {
    TForm owner{nullptr};
    TImageFiltered* element;

    FiltersEditorTest() {
        LoadCoreTexts();
        RegisterImageFilters();
        element = new TImageFiltered(&owner);
        TBitmap source;
        source.SetSize(16, 16);
        source.Canvas()->Brush()->SetColor(TColor(0x646464));
        source.Canvas()->FillRect(TRect(0, 0, 16, 16));
        element->Picture()->SetBitmap(&source);
        element->Filters()->AddFilterOfClass(&TBrightnessFilter::StaticClass());
        element->Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    }
    std::string ElementStream() const {
        TMemoryStream stream;
        {
            TWriter writer(stream);
            writer.WriteProperties(element);
            writer.WriteListEnd();
        }
        return std::string(stream.Memory(), size_t(stream.Size()));
    }
    bool Run(std::function<void(TFiltersEditor&)> act) {
        TModalRunner<TFiltersEditor> runner(&owner, std::move(act));
        const bool ok =
            ShowFiltersEditor(&owner, element->Picture()->Graphic(), element->Filters());
        EXPECT_TRUE(runner.Ran());
        return ok;
    }
    static void Click(TControl* c) {
        TUserInput().Click(c, QPoint(c->Width() / 2, c->Height() / 2));
    }
    static void ClickLine(TFiltersEditor& d, int index) {
        auto* w = static_cast<QListWidget*>(d.Filters->Widget());
        const QRect r = w->visualItemRect(w->item(index));
        TUserInput().Click(d.Filters,
                           w->viewport()->mapTo(w, QPoint(r.right() - 10, r.center().y())));
    }
    static TColor PreviewPixel(TFiltersEditor& d) {
        return d.Image->Picture()->Bitmap()->Canvas()->Pixel(2, 2);
    }
    static TScrollBar* FirstBar(TFiltersEditor& d) {
        for (int i = 0; i < d.Properties->ControlCount(); ++i)
            if (auto* bar = dynamic_cast<TScrollBar*>(d.Properties->Controls(i))) return bar;
        return nullptr;
    }
    // The menu item that adds the filter of that caption.
    static TMenuItem* MenuItem(TFiltersEditor& d, const std::string& caption) {
        for (int i = 0; i < d.MenuFilters->Items()->Count(); ++i)
            if (d.MenuFilters->Items()->Items(i)->Caption() == caption)
                return d.MenuFilters->Items()->Items(i);
        return nullptr;
    }
    std::string Classes() const {
        std::string s;
        for (int i = 0; i < element->Filters()->Count(); ++i)
            s += std::string(element->Filters()->GetFilter(i)->ClassName()) + " ";
        return s;
    }
};

TEST_F(FiltersEditorTest, CancelLeavesTheElementAsItWasByteForByte) {
    const std::string before = ElementStream();
    EXPECT_FALSE(Run([](TFiltersEditor& d) {
        ASSERT_EQ(d.Filters->Count(), 2);
        EXPECT_EQ(d.Filters->ItemIndex(), 0);
        EXPECT_TRUE(d.PageProps->Visible());
        // A change in an option reaches the filter and the preview.
        const TColor shown = PreviewPixel(d);
        FirstBar(d)->SetPosition(50);
        EXPECT_EQ(static_cast<TAmountFilter*>(d.Selected())->Amount(), 50);
        EXPECT_NE(PreviewPixel(d), shown);
        Click(d.BMoveDown);
        Click(d.BDelete);
        MenuItem(d, "Blur")->Click();
        TUserInput::Key(d.Filters, Qt::Key_Space, " ");
        Click(d.BCancel);
    }));
    EXPECT_EQ(ElementStream(), before);
    EXPECT_EQ(Classes(), "TBrightnessFilter TInvertFilter ");
}

TEST_F(FiltersEditorTest, OkKeepsTheEditedList) {
    EXPECT_TRUE(Run([](TFiltersEditor& d) {
        FirstBar(d)->SetPosition(30);
        Click(d.BMoveDown);
        Click(d.BOK);
    }));
    EXPECT_EQ(Classes(), "TInvertFilter TBrightnessFilter ");
    EXPECT_EQ(static_cast<TAmountFilter*>(element->Filters()->GetFilter(1))->Amount(), 30);
}

TEST_F(FiltersEditorTest, MovingAndDeletingFollowTheSelection) {
    element->Filters()->AddFilterOfClass(&TMirrorFilter::StaticClass());
    Run([this](TFiltersEditor& d) {
        // First line: up disabled; last line: down disabled.
        EXPECT_FALSE(d.BMoveUp->Enabled());
        EXPECT_TRUE(d.BMoveDown->Enabled());
        ClickLine(d, 2);
        EXPECT_TRUE(d.BMoveUp->Enabled());
        EXPECT_FALSE(d.BMoveDown->Enabled());
        // The mirror filter works on the whole picture: no region page.
        EXPECT_FALSE(d.TabRegion->TabVisible());
        EXPECT_TRUE(d.Properties->TabVisible());
        Click(d.BMoveUp);
        EXPECT_EQ(Classes(), "TBrightnessFilter TMirrorFilter TInvertFilter ");
        EXPECT_EQ(d.Filters->Items()->Strings(1), d.Selected()->GetCaption());
        EXPECT_EQ(d.Filters->ItemIndex(), 1);
        // Deleting the last line selects the new last one.
        ClickLine(d, 2);
        Click(d.BDelete);
        EXPECT_EQ(Classes(), "TBrightnessFilter TMirrorFilter ");
        EXPECT_EQ(d.Filters->ItemIndex(), 1);
        EXPECT_FALSE(d.BMoveDown->Enabled());
        Click(d.BDelete);
        Click(d.BDelete);
        // Nothing left: no options, no pages, nothing to delete.
        EXPECT_EQ(d.Filters->Count(), 0);
        EXPECT_EQ(d.Properties->ControlCount(), 0);
        EXPECT_FALSE(d.PageProps->Visible());
        EXPECT_FALSE(d.BDelete->Enabled());
        Click(d.BOK);
    });
    EXPECT_EQ(element->Filters()->Count(), 0);
}

TEST_F(FiltersEditorTest, TheAddMenuIsSortedAndAddingSelectsTheNewFilter) {
    element->Filters()->Clear();
    Run([](TFiltersEditor& d) {
        EXPECT_FALSE(d.PageProps->Visible());
        const TMenuItem* items = d.MenuFilters->Items();
        ASSERT_EQ(items->Count(), int(FilterClassList().size()));
        for (int i = 1; i < items->Count(); ++i)
            EXPECT_LT(items->Items(i - 1)->Caption(), items->Items(i)->Caption());
        MenuItem(d, "Invert")->Click();
        EXPECT_EQ(d.Filters->ItemIndex(), 0);
        EXPECT_TRUE(d.Filters->Checked(0));
        // Invert has no options, only its region.
        EXPECT_TRUE(d.PageProps->Visible());
        EXPECT_FALSE(d.Properties->TabVisible());
        EXPECT_TRUE(d.TabRegion->TabVisible());
        MenuItem(d, "Blur")->Click();
        EXPECT_EQ(d.Filters->ItemIndex(), 1);
        EXPECT_NE(FirstBar(d), nullptr);
        Click(d.BOK);
    });
}

TEST_F(FiltersEditorTest, UncheckedFiltersAndScalingInThePreview) {
    Run([](TFiltersEditor& d) {
        // Scaled: the preview fills the panel.
        EXPECT_EQ(d.Image->Picture()->Width(), d.Image->Width());
        const TColor both = PreviewPixel(d);
        // The brightness line unchecked: only the inversion is seen.
        TUserInput::Key(d.Filters, Qt::Key_Space, " ");
        EXPECT_FALSE(d.Selected()->Enabled());
        EXPECT_EQ(d.Filters->Count(), 2);
        const TColor inverted = PreviewPixel(d);
        EXPECT_NE(inverted, both);
        EXPECT_EQ(inverted, TColor(0x9B9B9B));
        // Scaled off: the filtered picture at its own size.
        Click(d.CBScaled);
        EXPECT_FALSE(d.Scaled1->Checked());
        EXPECT_EQ(d.Image->Picture()->Width(), 16);
        // Preview off: nothing shown, Scaled disabled.
        Click(d.CBPreview);
        EXPECT_EQ(d.Image->Picture()->Graphic(), nullptr);
        EXPECT_FALSE(d.CBScaled->Enabled());
        Click(d.BOK);
    });
}

TEST_F(FiltersEditorTest, RegionEditsReachTheSelectedFilter) {
    Run([](TFiltersEditor& d) {
        d.PageProps->SetActivePage(d.TabRegion);
        d.EWidth->SetFocus();
        d.EWidth->SelectAll();
        TUserInput::Key(d.EWidth, Qt::Key_4, "4");
        EXPECT_EQ(d.Selected()->Region()->Width(), 4);
        Click(d.BOK);
    });
}

// A picture without a graphic: nothing to filter, nothing to show, no failure.
TEST_F(FiltersEditorTest, AnEmptyPictureShowsAnEmptyPreview) {
    element->Picture()->SetGraphic(nullptr);
    EXPECT_TRUE(Run([](TFiltersEditor& d) {
        for (const char* caption : {"Blur", "Rotate", "Tile", "Zoom"})
            MenuItem(d, caption)->Click();
        EXPECT_EQ(d.Filters->Count(), 6);
        Click(d.CBScaled);
        EXPECT_EQ(d.Image->Picture()->Width(), 0);
        Click(d.BOK);
    }));
}

TEST_F(FiltersEditorTest, APictureTellsItsOwnerAfterOkOnly) {
    TTeePicture picture;
    picture.SetGraphic(element->Picture()->Graphic());
    picture.Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    for (TButton* TFiltersEditor::*button : {&TFiltersEditor::BCancel, &TFiltersEditor::BOK}) {
        TModalRunner<TFiltersEditor> runner(&owner, [button](TFiltersEditor& d) {
            TUserInput::Key(d.Filters, Qt::Key_Space, " ");
            Click(d.*button);
        });
        const bool ok = ShowPictureFiltersEditor(&owner, &picture);
        EXPECT_EQ(ok, button == &TFiltersEditor::BOK);
        EXPECT_EQ(changes, ok ? 1 : 0);
        EXPECT_EQ(picture.Filters()->GetFilter(0)->Enabled(), !ok);
    }
}

}  // namespace
