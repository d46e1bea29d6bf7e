#pragma once
// A window with a chart in it, the library started, dialogs scripted, and the chart's stream to
// show that opening an editor writes nothing: the base of the series-type editor tests.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "chart/engine/Chart.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/platform/ui/UserInput.h"

// One row of a table of user actions and the property values they must leave.
struct EditorStep {
    const char* what;
    std::function<void()> act;
    std::function<bool()> holds;
};

inline void RunSteps(std::initializer_list<EditorStep> steps) {
    for (const EditorStep& s : steps) {
        s.act();
        EXPECT_TRUE(s.holds()) << s.what;
    }
}

struct SeriesEditorFixture : ::testing::Test {
    TLibraryStartup startup;
    TRecordingDialogService dialogs;
    TDialogService* former = SetDialogService(&dialogs);
    TForm window{nullptr};
    TChart* chart = nullptr;

    SeriesEditorFixture() {
        window.SetBounds(0, 0, 500, 400);
        chart = new TChart(&window);
        chart->SetName("Chart1");
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
    }
    ~SeriesEditorFixture() override { SetDialogService(former); }

    // The chart with its series and tools, as stored.
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    // An editor of class T shown in the window on tag.
    template <class T>
    T* Open(TObject* tag) {
        T* editor = new T(&window);
        editor->SetParent(&window);
        editor->SetTagObject(tag);
        window.Show();
        editor->Show();
        return editor;
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
    // The user picks an item of a drop-down list.
    static void Choose(TComboBox* combo, int index) {
        combo->SetItemIndex(index);
        combo->OnChange(combo);
    }
};
