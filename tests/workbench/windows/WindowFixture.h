#pragma once
// The main window over databases in a scratch folder, with the user's mouse and keys and a
// recording dialog service that answers its questions and file dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "chart/engine/ChartEngineStartup.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/export/ExportEditorPages.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"
#include "tests/support/TempDir.h"
#include "workbench/windows/MainWindow.h"

// The chart library's texts and registrations, made once as the program makes them at start-up
// (after the application object exists), so that the workbench's charts draw as they do there.
inline void StartChartUnits() {
    static const bool started = [] {
        LoadCoreTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        return true;
    }();
    (void)started;
}

// What the program registers besides the chart units for export: picture formats, the export
// dialog's texts and the chart editor's Export and Print pages.
inline void StartExportUnits() {
    static const bool started = [] {
        RegisterStandardGraphicFormats();
        LoadExtendedTexts();
        PictureExportUnitStartup();
        ExportEditorPagesUnitStartup();
        return true;
    }();
    (void)started;
}

struct TMainWindowFixture {
    TTempDir dir;
    TRecordingDialogService dialogs;
    TFMainDB* window = nullptr;

    ~TMainWindowFixture() { Stop(); }
    TFMainDB& Start() {
        StartChartUnits();
        window = new TFMainDB(nullptr, dir.Str());
        if (!window->StartRefused()) window->Show();
        return *window;
    }
    void Stop() {
        if (window) TObject::Free(window);
        window = nullptr;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : dialogs.Messages) texts.push_back(m.Text);
        return texts;
    }
    TDatasetDatabase& Db() { return window->Data().Main; }

    static void Click(TControl* control, QPoint at) { TUserInput().Click(control, at); }
    static void Click(TControl* control) {
        Click(control, QPoint(control->Width() / 2, control->Height() / 2));
    }
    static void ClickNavigator(TDBNavigator* nav, TNavigateBtn button) {
        QPushButton* b = nav->Widget()->findChildren<QPushButton*>(
            QString(), Qt::FindDirectChildrenOnly)[button];
        TUserInput().Click(nav, b->geometry().center());
    }
    // A click on item `index` of a radio group.
    static void ClickRadio(TControl* group, int index) {
        QRadioButton* b = group->Widget()->findChildren<QRadioButton*>()[index];
        TUserInput().Click(group, b->mapTo(group->Widget(), QPoint(6, b->height() / 2)));
    }
    static void Key(TControl* control, int qtKey, const QString& text = {},
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
        QCoreApplication::sendEvent(control->Widget(), &press);
    }
    static void Type(TControl* control, const std::string& text) {
        for (char c : text) Key(control, 0, QString(QChar(c)));
    }
    // Selects the whole text of an edit and types over it.
    static void Retype(TControl* edit, const std::string& text) {
        Key(edit, Qt::Key_A, {}, Qt::ControlModifier);
        Key(edit, Qt::Key_Delete);
        Type(edit, text);
    }
    // A new dataset row inserted through the navigator, with `name` typed into its name cell.
    void TypeNewDataset(const std::string& name) {
        ClickNavigator(window->dbnDatasets, nbInsert);
        window->dbgDatasets->SetSelectedIndex(0);
        Type(window->dbgDatasets, name);
    }
    // A named dataset, inserted and posted through the navigator and the grid.
    void InsertDataset(const std::string& name) {
        TypeNewDataset(name);
        ClickNavigator(window->dbnDatasets, nbPost);
    }
};
