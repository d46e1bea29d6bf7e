#pragma once
// The chart editor's tools page over the bench's chart, driven as the user does: "Add", the
// tool's kind picked on its tab of the tools gallery, OK. The page then shows the new tool with
// its own editor form embedded beside the list, loaded from the tool.
#include <gtest/gtest.h>

#include <QPoint>

#include "chart/editors/ToolsGallery.h"
#include "chart/editors/ToolsPage.h"
#include "chart/engine/ChartTools.h"
#include "platform/classes/Object.h"
#include "platform/ui/Button.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/TabControl.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/platform/ui/UserInput.h"

class TToolsPageDriver {
public:
    explicit TToolsPageDriver(TToolBench& bench) {
        Window.SetBounds(0, 0, 700, 500);
        Page = new TFormTeeTools(&Window);
        Page->SetTools(&bench.Chart().Tools());
        Page->SetParent(&Window);
        Page->SetAlign(alClient);
        Window.Show();
        Page->Show();
    }
    ~TToolsPageDriver() { TObject::Free(Page); }

    // The new tool of the class, or none when the gallery does not list the class.
    TTeeCustomTool* AddFromGallery(TClass toolClass) {
        bool listed = false;
        TModalRunner<TTeeToolsGallery> runner(&Window, [&](TTeeToolsGallery& g) {
            g.TabControl1->SetTabIndex(ToolsGalleryTabOf(toolClass));
            g.FillTools();
            const int item = g.LBTool->Items()->IndexOf(ToolKindName(toolClass));
            listed = item >= 0;
            if (listed) {
                g.LBTool->SetItemIndex(item);
                g.LBToolClick();
                listed = g.SelectedClass() == toolClass;
            }
            Click(listed ? g.BOk : g.BCan);
        });
        const int before = Page->Tools()->Count();
        Click(Page->BAdd);
        EXPECT_TRUE(runner.Ran());
        if (!listed || Page->Tools()->Count() != before + 1) return nullptr;
        return Page->SelectedTool();
    }
    // The embedded editor of the selected tool, as its class.
    template <class TEditor>
    TEditor* Editor() const {
        return dynamic_cast<TEditor*>(Page->ToolEditor());
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }

    TForm Window{nullptr};
    TFormTeeTools* Page = nullptr;
};
