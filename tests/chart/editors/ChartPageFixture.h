#pragma once
// A chart beside an editor page in a window, and the user's clicks on it: the chart's stream tells
// whether showing or using a page changed anything.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTimer>
#include <functional>
#include <string>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/Form.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ComponentBytes.h"

inline void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }

// A click on the tab of the page, as the user brings it to the front; hidden tabs take no place
// in the bar.
inline void ClickPage(TTabSheet* sheet) {
    TPageControl* pages = sheet->PageControl();
    QTabBar* bar = pages->Widget()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(bar, nullptr);
    int tab = 0;
    for (int i = 0; i < sheet->PageIndex(); ++i) tab += pages->Pages(i)->TabVisible() ? 1 : 0;
    TUserInput().Click(pages, bar->mapTo(pages->Widget(), bar->tabRect(tab).center()));
    ASSERT_EQ(pages->ActivePage(), sheet) << sheet->Caption();
}

// Runs the chart editor; act is the user's part, after which the dialog is closed with Close.
inline void EditChart(TChartEditor* ce, const std::function<void(TChartEditForm&)>& act) {
    bool ran = false;
    ce->OnShow = [&](TObject* sender) {
        auto* form = static_cast<TChartEditForm*>(sender);
        // The user acts once the dialog is on the screen, inside its modal loop.
        form->OnShow = [&, form](TObject*) {
            QTimer::singleShot(0, [&, form] {
                ran = true;
                // A failure inside must still close the dialog.
                try {
                    act(*form);
                } catch (const std::exception& e) {
                    ADD_FAILURE() << "exception: " << e.what();
                }
                Click(form->BClose);
            });
        };
    };
    ce->Execute();
    EXPECT_TRUE(ran);
}

// The chart "chCavity" on the left of a shown window; a page goes on its right. TStartup is the
// library's start-up, alive before the window and after it.
template <class TStartup = TLibraryStartup>
struct ChartPageFixture : ::testing::Test {
    TStartup library;
    TForm window{nullptr};
    TChart* chart = nullptr;

    explicit ChartPageFixture(int width = 800) {
        window.SetBounds(0, 0, width, 500);
        chart = new TChart(&window);
        chart->SetName("chCavity");
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
    }
    TLineSeries* AddLine(const char* name) {
        auto* line = new TLineSeries(&window);
        line->SetName(name);
        chart->AddSeries(line);
        return line;
    }
    // A line of five points on a parabola.
    TLineSeries* AddParabola(const char* name) {
        TLineSeries* line = AddLine(name);
        for (int i = 0; i < 5; ++i) line->AddXYPoint(i, i * i);
        return line;
    }
    // The page shown beside the chart, as the editor hosts it.
    template <class TPage>
    TPage* ShowBeside(TPage* page, int width, int height) {
        page->SetParent(&window);
        page->SetBounds(300, 0, width, height);
        page->Show();
        return page;
    }
};
