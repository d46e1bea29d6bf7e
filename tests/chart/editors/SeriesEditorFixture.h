#pragma once
// A chart in a window and a series-type editor on a panel of it, as the series page shows one;
// the chart's stream tells whether opening the editor changed anything.
#include <gtest/gtest.h>

#include <string>

#include "chart/engine/Chart.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Control.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/platform/ui/UserInput.h"

struct SeriesEditorFixture : ::testing::Test {
    TLibraryStartup library;
    TRecordingDialogService dialogs;
    TDialogService* former = SetDialogService(&dialogs);
    TForm window{nullptr};
    TChart* chart = nullptr;
    TPanel* host = nullptr;

    SeriesEditorFixture() {
        window.SetBounds(0, 0, 700, 600);
        chart = new TChart(&window);
        chart->SetParent(&window);
        chart->SetName("Chart1");
        chart->SetBounds(0, 0, 300, 200);
        host = new TPanel(&window);
        host->SetParent(&window);
        host->SetBounds(0, 210, 500, 380);
    }
    ~SeriesEditorFixture() override { SetDialogService(former); }
    template <class TSeries>
    TSeries* AddSeries() {
        auto* series = new TSeries(&window);
        chart->AddSeries(series);
        return series;
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    // The editor of class TEditor shown on the host panel with tag in its Tag.
    template <class TEditor>
    TEditor* Open(TObject* tag) {
        auto* editor = new TEditor(&window);
        editor->SetBorderStyle(bsNone);
        editor->SetTagObject(tag);
        editor->SetParent(host);
        window.Show();
        editor->Show();
        return editor;
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
};
