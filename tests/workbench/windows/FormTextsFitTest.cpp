// Every caption, label, button, check box, radio item, group title and grid title of the
// workbench's forms and of the chart editor's pages, measured in the default font against the
// room its control gives it: nothing is cut off. Titles of the windows themselves are drawn by
// the window manager in its own font; they are measured with the form's font against the form's
// width less room for the icon and three title buttons.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <functional>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/EditorHostedPages.h"
#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "chart/export/ExportDialog.h"
#include "chart/export/PrintPreviewDialog.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/PageControl.h"
#include "tests/support/ScratchSettings.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/windows/AboutBox.h"
#include "workbench/windows/ComputeDialog.h"
#include "workbench/windows/RegularVCDialogs.h"
#include "workbench/windows/RegularWavelengthsDialog.h"
#include "workbench/windows/ReportWindow.h"
#include "workbench/windows/ResultsWindow.h"
#include "workbench/windows/SurfaceRangeDialogs.h"
#include "workbench/windows/TargetingWindow.h"

namespace {

// Room a title bar keeps for the window icon and its buttons.
constexpr int TitleBarButtons = 110;

QString Shown(QString text) {
    text.replace("&&", "\x01");
    text.remove('&');
    text.replace("\x01", "&");
    return text;
}

int Advance(const QWidget* w, const QString& text) {
    int widest = 0;
    for (const QString& line : Shown(text).split('\n'))
        widest = std::max(widest, QFontMetrics(w->font()).horizontalAdvance(line));
    return widest;
}

// The texts of one window that need more room than they have: "what: text (needs n, has m)".
std::vector<std::string> ClippedTexts(QWidget* form, const std::string& formName) {
    std::vector<std::string> clipped;
    auto check = [&](const QWidget* w, const QString& text, int needs, int has) {
        if (text.isEmpty() || needs <= has) return;
        clipped.push_back(formName + " " + w->metaObject()->className() + " \"" +
                          Shown(text).toStdString() + "\" needs " + std::to_string(needs) +
                          ", has " + std::to_string(has));
    };
    const QString caption = form->windowTitle();
    check(form, caption, Advance(form, caption) + TitleBarButtons, form->width());
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
            !w->parentWidget()->inherits("QStackedWidget"))
            continue;  // hidden on purpose (a page of a page control is only not current)
        const QStyle* style = w->style();
        // A text-bearing control on the page shown, cut off by the edge of what holds it (the
        // form included).
        if (w->isVisibleTo(form) &&
            (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
             qobject_cast<QGroupBox*>(w))) {
            QRect shown = w->rect();
            for (const QWidget* p = w; p != form; p = p->parentWidget())
                shown = shown.translated(p->pos()) & p->parentWidget()->rect();
            const QRect whole = QRect(w->mapTo(form, QPoint(0, 0)), w->size());
            if (shown != whole && !w->size().isEmpty()) {
                const auto* b = qobject_cast<QAbstractButton*>(w);
                const auto* l = qobject_cast<QLabel*>(w);
                const QString text = b ? b->text() : l ? l->text() : QString("(group)");
                clipped.push_back(formName + " " + w->metaObject()->className() + " \"" +
                                  Shown(text).toStdString() +
                                  "\" cut off by the edge of its parent");
            }
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText) continue;
            check(w, label->text(), Advance(w, label->text()), label->contentsRect().width());
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            const int mark = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            check(w, box->text(), mark + Advance(w, box->text()), w->width());
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            const int mark = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
            check(w, radio->text(), mark + Advance(w, radio->text()), w->width());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            check(w, button->text(), Advance(w, button->text()) + icon + 6, w->width());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            check(w, group->title(), Advance(w, group->title()) + 16, w->width());
        } else if (auto* view = qobject_cast<QTableView*>(w)) {
            const QHeaderView* header = view->horizontalHeader();
            const int margin =
                header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int i = 0; i < header->count(); ++i) {
                if (header->isSectionHidden(i)) continue;
                const QString title =
                    view->model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
                check(header, title, Advance(header, title) + 2 * margin, header->sectionSize(i));
                // The first row's cell, with the item's text margins.
                if (view->model()->rowCount() == 0) continue;
                const QString cell = view->model()->index(0, i).data().toString();
                const int cellMargin =
                    view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
                check(view, cell, Advance(view, cell) + 2 * cellMargin, header->sectionSize(i));
            }
        }
    }
    return clipped;
}

std::string Lines(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& t : texts) all += t + "\n";
    return all;
}

TEST(FormTexts, EveryWorkbenchFormShowsItsTextsWhole) {
    TScratchSettings settings;
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Cone");
    TDatasetDatabase& db = f.Db();
    TResultsDatabase& results = w.Data().Results;
    // A stored run, so that the results grids show their date and number cells.
    TClientDataSet& run = results.cdsResults;
    run.Append();
    run.FieldByName("DatasetName")->SetAsString("Cone");
    run.FieldByName("DateTime")
        ->SetAsDateTime(EncodeDate(2026, 12, 11) + EncodeTime(22, 58, 59, 0));
    run.FieldByName("StartDateTime")
        ->SetAsDateTime(EncodeDate(2026, 12, 11) + EncodeTime(23, 59, 58, 0));
    run.FieldByName("ViewIndex")->SetAsInteger(1);
    run.FieldByName("NRF")->SetAsFloat(1234567);
    run.FieldByName("Threshold")->SetAsFloat(1e-6);
    run.Post();
    TClientDataSet& values = results.cdsSEERT;
    values.Append();
    values.FieldByName("Wavelength")->SetAsFloat(10.125);
    values.FieldByName("ivc")->SetAsInteger(1);
    values.FieldByName("EE")->SetAsFloat(0.989746);
    values.Post();
    std::vector<std::string> clipped;
    auto walk = [&](TForm& form, const std::string& name) {
        form.Show();
        for (const std::string& c : ClippedTexts(form.Widget(), name)) clipped.push_back(c);
    };
    for (int page = 0; page < w.PageControl1->PageCount(); ++page) {
        w.PageControl1->SetActivePageIndex(page);
        walk(w, "TFMainDB/" + w.PageControl1->Pages(page)->Caption());
    }
    std::vector<std::pair<std::unique_ptr<TForm>, std::string>> forms;
    forms.emplace_back(std::make_unique<TFAbout>(nullptr), "TFAbout");
    forms.emplace_back(std::make_unique<TFCompute>(nullptr, db, [] {}), "TFCompute");
    forms.emplace_back(std::make_unique<TFRegularW>(nullptr, db), "TFRegularW");
    for (int kind = 1; kind <= 4; ++kind)
        forms.emplace_back(std::make_unique<TFRegularVC>(nullptr, db, kind),
                           "TFRegularVC" + std::to_string(kind));
    forms.emplace_back(std::make_unique<TFRegularVCLH>(nullptr, db), "TFRegularVCLH");
    forms.emplace_back(std::make_unique<TFDelete>(nullptr, db), "TFDelete");
    forms.emplace_back(std::make_unique<TFAssignED>(nullptr, db), "TFAssignED");
    forms.emplace_back(std::make_unique<TFEraseED>(nullptr, db), "TFEraseED");
    forms.emplace_back(std::make_unique<TFResults>(nullptr, results), "TFResults");
    forms.emplace_back(std::make_unique<TFReport>(nullptr, results), "TFReport");
    forms.emplace_back(std::make_unique<TFTargeting>(nullptr), "TFTargeting");
    for (auto& [form, name] : forms) walk(*form, name);
    forms.clear();
    EXPECT_EQ(Lines(clipped), "");
}

TEST(FormTexts, EveryChartEditorPageShowsItsTextsWhole) {
    TScratchSettings settings;
    StartChartUnits();
    StartExportUnits();
    TForm owner(nullptr);
    auto* chart = new TChart(&owner);
    chart->SetParent(&owner);
    auto* line = new TLineSeries(&owner);
    chart->AddSeries(line);
    line->AddXYPoint(1, 0.989746);
    TChartEditForm editor(nullptr);
    editor.AssignChart(chart);
    editor.Show();
    std::vector<std::string> clipped;
    for (TTabSheet* page :
         {editor.TabSeriesList, editor.TabGeneral, editor.TabAxis, editor.TabTitle,
          editor.TabLegend, editor.TabPanel, editor.TabPaging, editor.TabWalls, editor.Tab3D}) {
        editor.MainPage->SetActivePage(editor.TabChart);
        editor.SubPage->SetActivePage(page);
        editor.SubPageChange();
        for (const std::string& c : ClippedTexts(editor.Widget(), "Chart/" + page->Caption()))
            clipped.push_back(c);
    }
    auto walk = [&](const std::string& name) {
        for (const std::string& c : ClippedTexts(editor.Widget(), name)) clipped.push_back(c);
    };
    auto showMainPage = [&](TTabSheet* page) {
        editor.MainPage->SetActivePage(page);
        editor.MainPageChange();
    };
    // The Print and Export pages are the print preview and the export dialog, which the export
    // layer hosts there, in a page smaller than their own windows.
    for (TTabSheet* page : {editor.TabSeries, editor.TabData, editor.TabPrint}) {
        showMainPage(page);
        walk(page->Caption());
    }
    showMainPage(editor.TabExport);
    auto* exporter = dynamic_cast<TTeeExportForm*>(HostedPageOf(*editor.TabExport));
    ASSERT_NE(exporter, nullptr);
    for (TTabSheet* tab : {exporter->TabPicture, exporter->TabNative, exporter->TabData}) {
        if (!tab->TabVisible()) continue;
        exporter->PageControl1->SetActivePage(tab);
        walk("Export/" + tab->Caption());
    }
    exporter->PageControl1->SetActivePage(exporter->TabPicture);
    exporter->PageOptions->SetActivePage(exporter->TabSize);
    walk("Export/Picture/Size");
    // And both in their own windows.
    TTeeExportForm dialog(nullptr);
    dialog.SetTagObject(chart);
    dialog.Show();
    for (TTabSheet* tab : {dialog.TabPicture, dialog.TabNative, dialog.TabData}) {
        dialog.PageControl1->SetActivePage(tab);
        for (const std::string& c :
             ClippedTexts(dialog.Widget(), "TTeeExportForm/" + tab->Caption()))
            clipped.push_back(c);
    }
    TChartPreview preview(nullptr);
    preview.SetTagObject(chart);
    preview.Show();
    for (const std::string& c : ClippedTexts(preview.Widget(), "TChartPreview"))
        clipped.push_back(c);
    EXPECT_EQ(Lines(clipped), "");
}

}  // namespace
