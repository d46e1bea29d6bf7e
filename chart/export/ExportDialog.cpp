#include "chart/export/ExportDialog.h"

#include <algorithm>
#include <cmath>

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FormatEditor.h"
#include "chart/editors/StringsEditor.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/export/ChartDataExport.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/export/ChartStream.h"
#include "chart/foundation/FieldLists.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeePanel.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Writer.h"
#include "platform/db/AtomicFile.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FileFilter.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

namespace {

TCheckBox* MakeCheck(TWinControl* parent, int left, int top, const char* caption, bool checked) {
    auto* box = MakeControl<TCheckBox>(parent, left, top, 150, 19);
    box->SetCaption(caption);
    box->SetChecked(checked);
    return box;
}

// The extension of the filter at a 1-based position ("*.wmf" gives "wmf"); fallback when the
// position or its pattern gives none.
std::string FilterExtension(const std::string& filter, int position, const std::string& fallback) {
    const std::vector<TFileFilterItem> items = ParseFileFilter(filter);
    if (position < 1 || position > int(items.size())) return fallback;
    const std::vector<std::string>& patterns = items[size_t(position - 1)].Patterns;
    if (patterns.empty()) return fallback;
    const size_t dot = patterns.front().rfind('.');
    if (dot == std::string::npos || patterns.front().find('*', dot) != std::string::npos)
        return fallback;
    return patterns.front().substr(dot + 1);
}

std::string WithoutAmpersand(std::string text) {
    const size_t at = text.find('&');
    if (at != std::string::npos) text.erase(at, 1);
    return text;
}

enum { fmtText, fmtXML, fmtHTML, fmtExcel };
enum { nativeBinary, nativeText, nativeXML };
}  // namespace

std::string DataFilterText() {
    std::string text;
    for (const std::string* t :
         {&TxtSpaceDelimitedTextFilesTxtTxt, &TxtTabDelimitedTextFilesTxtTxt,
          &TxtCommaDelimitedTextFilesCsvCsv, &TxtColonDelimitedTextFilesTxtTxt,
          &TxtCustomDelimitedTextFilesTxtTxt, &TxtXMLFilesXmlXml, &TxtHTMLFilesHtmHtm,
          &TxtMicrosoftExcelFilesXlsXls}) {
        if (!text.empty()) text += '|';
        text += *t;
    }
    return text;
}

std::string DataFileExtension(int filterPosition) {
    const std::string text = DataFilterText();
    size_t at = 0;
    for (int bars = 0; bars < 2 * filterPosition - 1; ++bars) {
        at = text.find('|', at);
        if (at == std::string::npos) return {};
        ++at;
    }
    const std::string pattern = text.substr(at, text.find('|', at) - at);
    const size_t dot = pattern.find('.');
    return dot == std::string::npos ? std::string() : pattern.substr(dot + 1);
}

TTeeExportForm::TTeeExportForm(TComponent* owner) : TForm(owner) {
    SetCaption("Export Dialog");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 430, 330);
    // The pages take what the window gives beyond its designed size, and what the chart
    // editor's smaller page takes from it; the buttons keep to the right.
    PageControl1 = MakeControl<TPageControl>(this, 4, 4, 330, 290);
    PageControl1->SetAnchors({akLeft, akTop, akRight, akBottom});
    TabPicture = MakeTabSheet(PageControl1, PageControl1, "Picture");
    TabNative = MakeTabSheet(PageControl1, PageControl1, "Native");
    TabData = MakeTabSheet(PageControl1, PageControl1, "Data");
    BuildPictureTab();
    BuildNativeTab();
    BuildDataTab();
    BuildButtons();
    PageControl1->SetActivePage(TabPicture);
    ConnectHandlers();
    DoCreate();
}

void TTeeExportForm::BuildPictureTab() {
    // The formats and the size.
    LBFormat = MakeControl<TListBox>(TabPicture, 6, 20, 120, 200);
    LBFormat->SetSorted(true);
    LBFormat->SetAnchors({akLeft, akTop, akBottom});
    MakeControl<TLabel>(TabPicture, 6, 4, 60, 15)->SetCaption("&Format");
    PageOptions = MakeControl<TPageControl>(TabPicture, 132, 4, 190, 250);
    PageOptions->SetAnchors({akLeft, akTop, akRight, akBottom});
    TabOptions = MakeTabSheet(PageOptions, PageOptions, "Options");
    TabSize = MakeTabSheet(PageOptions, PageOptions, "Size");
    auto sizeBox = [&](TEdit*& edit, TUpDown*& upDown, int top, const char* caption) {
        MakeControl<TLabel>(TabSize, 6, top + 4, 60, 15)->SetCaption(caption);
        edit = MakeControl<TEdit>(TabSize, 66, top, 60, 23);
        edit->SetText("0");
        upDown = MakeControl<TUpDown>(TabSize, 126, top, 16, 23);
        upDown->SetMin(0);
        upDown->SetMax(3000);
        upDown->SetAssociate(edit);
    };
    sizeBox(EWidth, UDWidth, 20, "&Width:");
    sizeBox(EHeight, UDHeight, 50, "&Height:");
    CBAspect = MakeCheck(TabSize, 6, 80, "&Keep aspect ratio", true);
    CBPicSize = MakeCheck(TabSize, 6, 104, "&File size:", false);
    LabelPicSize = MakeControl<TLabel>(TabSize, 26, 126, 120, 15);
    LabelPicSize->SetCaption("?");
}

void TTeeExportForm::BuildNativeTab() {
    CBNativeData = MakeCheck(TabNative, 6, 8, "&Include Series data", true);
    CBNativeFormat = MakeControl<TRadioGroup>(TabNative, 6, 32, 150, 90);
    CBNativeFormat->SetCaption("Format:");
    for (const char* item : {"&Binary", "&Text", "&XML"}) CBNativeFormat->Items()->Add(item);
    CBNativeFormat->SetItemIndex(nativeBinary);
    CBFileSize = MakeCheck(TabNative, 6, 130, "&File size:", false);
    LabelSize = MakeControl<TLabel>(TabNative, 26, 152, 120, 15);
    LabelSize->SetCaption("?");
    BViewNative = MakeControl<TButton>(TabNative, 170, 36, 80, 25);
    BViewNative->SetCaption("&View...");
    BViewNative->SetEnabled(false);
}

void TTeeExportForm::BuildDataTab() {
    MakeControl<TLabel>(TabData, 6, 8, 50, 15)->SetCaption("Se&ries:");
    CBSeries = MakeControl<TComboBox>(TabData, 60, 4, 250, 23);
    CBSeries->SetStyle(csDropDownList);
    CBSeries->SetAnchors({akLeft, akTop, akRight});
    RGText = MakeControl<TRadioGroup>(TabData, 6, 32, 120, 100);
    RGText->SetCaption("&Format:");
    for (const char* item : {"Text", "XML", "HTML Table", "Excel"}) RGText->Items()->Add(item);
    RGText->SetItemIndex(fmtText);
    CBUseSeriesFormat = MakeCheck(TabData, 136, 32, "Use Series Format", false);
    SeriesValueFormat = MakeControl<TComboBox>(TabData, 136, 56, 150, 23);
    SeriesValueFormat->SetAnchors({akLeft, akTop, akRight});
    BFormat = MakeControl<TButton>(TabData, 290, 56, 24, 23);
    BFormat->SetAnchors({akTop, akRight});
    BFormat->SetCaption("...");
    CBIndex = MakeCheck(TabData, 136, 86, "Point &Index", false);
    CBLabels = MakeCheck(TabData, 136, 106, "Point &Labels", true);
    CBHeader = MakeCheck(TabData, 136, 126, "&Header", true);
    CBColors = MakeCheck(TabData, 136, 146, "Point &Colors", false);
    MakeControl<TLabel>(TabData, 6, 142, 60, 15)->SetCaption("&Delimiter:");
    CBDelim = MakeControl<TComboBox>(TabData, 6, 160, 80, 23);
    CBDelim->SetStyle(csDropDownList);
    for (const char* item : {"Space", "Tab", "Comma", "Colon", "Custom"})
        CBDelim->Items()->Add(item);
    ECustom = MakeControl<TEdit>(TabData, 90, 160, 24, 23);
    ECustom->SetMaxLength(1);
    ECustom->SetEnabled(false);
    MakeControl<TLabel>(TabData, 6, 194, 70, 15)->SetCaption("Text &Quotes:");
    EQuotes = MakeControl<TEdit>(TabData, 80, 190, 24, 23);
    EQuotes->SetMaxLength(1);
}

void TTeeExportForm::BuildButtons() {
    BCopy = MakeControl<TButton>(this, 340, 24, 80, 25);
    BCopy->SetCaption("&Copy");
    BSave = MakeControl<TButton>(this, 340, 54, 80, 25);
    BSave->SetCaption("&Save...");
    BSend = MakeControl<TButton>(this, 340, 84, 80, 25);
    BSend->SetCaption("S&end...");
    for (TButton* b : {BCopy, BSave, BSend}) b->SetAnchors({akTop, akRight});
    BClose = MakeControl<TButton>(this, 340, 270, 80, 25);
    BClose->SetCaption("Close");
    BClose->SetCancel(true);
    BClose->SetDefault(true);
    BClose->SetModalResult(mrOk);
    BClose->SetAnchors({akRight, akBottom});

    SaveDialogPicture = new TSaveDialog(this);
    SaveDialogNative = new TSaveDialog(this);
    SaveDialogNative->SetFilter("Native tee files|*.TEE");
    SaveDialogData = new TSaveDialog(this);
    SaveDialogData->SetDefaultExt("txt");
    for (TSaveDialog* d : {SaveDialogPicture, SaveDialogNative, SaveDialogData})
        d->SetOptions(TOpenOptions{ofOverwritePrompt, ofEnableSizing});
}

void TTeeExportForm::ConnectHandlers() {
    PageControl1->OnChange = [this](TObject*) { EnableButtons(); };
    LBFormat->OnClick = [this](TObject*) { LBFormatClick(); };
    PageOptions->OnChange = [this](TObject*) {
        if (PageOptions->ActivePage() == TabSize) RefreshPictureSize();
    };
    EWidth->OnChange = [this](TObject*) { SizeChanged(true); };
    EHeight->OnChange = [this](TObject*) { SizeChanged(false); };
    CBPicSize->OnClick = [this](TObject*) { RefreshPictureSize(); };
    for (TWinControl* c : std::initializer_list<TWinControl*>{CBFileSize, CBNativeData})
        c->OnClick = [this](TObject*) { RefreshNativeSize(); };
    CBNativeFormat->OnClick = [this](TObject*) {
        RefreshNativeSize();
        EnableButtons();
    };
    RGText->OnClick = [this](TObject*) { RGTextClick(); };
    CBDelim->OnChange = [this](TObject*) {
        ECustom->SetEnabled(CBDelim->ItemIndex() == 4);
        if (ECustom->CanFocus()) ECustom->SetFocus();
    };
    CBUseSeriesFormat->OnClick = [this](TObject*) {
        SeriesValueFormat->SetEnabled(!CBUseSeriesFormat->Checked());
        BFormat->SetEnabled(!CBUseSeriesFormat->Checked());
    };
    BFormat->OnClick = [this](TObject*) { BFormatClick(); };
    BViewNative->OnClick = [this](TObject*) { BViewNativeClick(); };
    BCopy->OnClick = [this](TObject*) { BCopyClick(); };
    BSave->OnClick = [this](TObject*) { BSaveClick(); };
    BSend->OnClick = [this](TObject*) { BSendClick(); };
}

TTeeExportForm::~TTeeExportForm() {
    for (const auto& f : FFormats)
        if (TForm* options = f->Options(false)) options->SetParent(nullptr);
}

void TTeeExportForm::DoShow() {
    FormShow();
    TForm::DoShow();
}

void TTeeExportForm::FormShow() {
    RGText->SetItemIndex(fmtText);
    if (auto* panel = dynamic_cast<TCustomTeePanel*>(TagObject())) FPanel = panel;
    if (!FPanel) return;
    FUpdating = true;
    UDWidth->SetPosition(FPanel->Width());
    UDHeight->SetPosition(FPanel->Height());
    FAspect = FPanel->Height() > 0 ? double(FPanel->Width()) / FPanel->Height() : 0;
    PrepareDataTab();
    FillFormats();
    CBDelim->SetItemIndex(1);
    SeriesValueFormat->Items()->Clear();
    AddValueFormatPresets(*SeriesValueFormat->Items());
    SeriesValueFormat->SetEnabled(!CBUseSeriesFormat->Checked());
    BFormat->SetEnabled(!CBUseSeriesFormat->Checked());
    LBFormatClick();
    EnableButtons();
    FUpdating = false;
}

void TTeeExportForm::PrepareDataTab() {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(FPanel);
    TabData->SetTabVisible(chart != nullptr);
    CBNativeData->SetVisible(chart != nullptr);
    if (!chart) return;
    CBSeries->Items()->Clear();
    AddSeriesToStrings(*CBSeries->Items(), chart->SeriesList(), true);
    CBSeries->Items()->InsertObject(0, TxtAll, nullptr);
    CBSeries->SetItemIndex(0);
}

void TTeeExportForm::LBFormatClick() {
    for (int i = 0; i < TabOptions->ControlCount(); ++i) TabOptions->Controls(i)->SetVisible(false);
    TForm* options = nullptr;
    if (TTeeExportFormat* format = SelectedFormat()) options = format->Options(true);
    const bool hasOptions = options && options->ControlCount() > 0;
    TabOptions->SetTabVisible(hasOptions);
    if (hasOptions) {
        PageOptions->SetActivePage(TabOptions);
        options->SetParent(TabOptions);
        options->SetBounds(4, 4, options->Width(), options->Height());
        options->Show();
    } else {
        PageOptions->SetActivePage(TabSize);
    }
    RefreshPictureSize();
}

void TTeeExportForm::FillFormats() {
    // The options forms are the formats' own: they leave the tab before their formats go.
    for (const auto& f : FFormats)
        if (TForm* options = f->Options(false)) options->SetParent(nullptr);
    FFormats.clear();
    LBFormat->Items()->Clear();
    std::string filter;
    int counter = 0;
    for (TExportFormatClass formatClass : ExportFormats()) {
        std::unique_ptr<TTeeExportFormat> format = formatClass();
        format->Panel = FPanel;
        format->TakeFilterIndex(counter);
        if (!filter.empty()) filter += '|';
        filter += format->FileFilter();
        LBFormat->Items()->Add(WithoutAmpersand(format->Description()));
        FFormats.push_back(std::move(format));
    }
    SaveDialogPicture->SetFilter(filter);
    if (LBFormat->Items()->Count() > 0) LBFormat->SetItemIndex(0);
}

TTeeExportFormat* TTeeExportForm::SelectedFormat() const {
    const int index = LBFormat->ItemIndex();
    if (index < 0) return nullptr;
    const std::string name = LBFormat->Items()->Get(index);
    for (const auto& f : FFormats)
        if (WithoutAmpersand(f->Description()) == name) return f.get();
    return nullptr;
}

bool TTeeExportForm::CanExportData() const {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(FPanel);
    return chart && chart->SeriesCount() > 0;
}

void TTeeExportForm::EnableButtons() {
    const TTabSheet* page = PageControl1->ActivePage();
    const bool nativeText = CBNativeFormat->ItemIndex() != nativeBinary;
    bool copy = page == TabPicture || (page == TabData && CanExportData()) ||
                (page == TabNative && nativeText);
    const bool save = copy || page == TabNative;
    if (page == TabData && RGText->ItemIndex() == fmtExcel) copy = false;
    BCopy->SetEnabled(copy);
    BSave->SetEnabled(save);
    BSend->SetEnabled(save);
    BViewNative->SetEnabled(page == TabNative && nativeText);
}

void TTeeExportForm::RGTextClick() {
    CBDelim->SetEnabled(RGText->ItemIndex() == fmtText);
    ECustom->SetEnabled(CBDelim->Enabled() && CBDelim->ItemIndex() == 4);
    EnableButtons();
}

void TTeeExportForm::SizeChanged(bool widthChanged) {
    if (!Showing() || FUpdating || !CBAspect->Checked() || FAspect == 0) return;
    FUpdating = true;
    if (widthChanged) {
        const int width = StrToIntDef(EWidth->Text(), UDWidth->Position());
        UDHeight->SetPosition(int(Round(width / FAspect)));
    } else {
        const int height = StrToIntDef(EHeight->Text(), UDHeight->Position());
        UDWidth->SetPosition(int(Round(height * FAspect)));
    }
    FUpdating = false;
    RefreshPictureSize();
}

void TTeeExportForm::RefreshPictureSize() {
    TTeeExportFormat* format = SelectedFormat();
    if (!CBPicSize->Checked() || !format || !FPanel) {
        LabelPicSize->SetCaption("?");
        return;
    }
    TMemoryStream stream;
    format->SaveToStream(stream);
    LabelPicSize->SetCaption(Format(TxtBytes, {stream.Size()}));
}

void TTeeExportForm::RefreshNativeSize() {
    if (!CBFileSize->Checked() || !FPanel) {
        LabelSize->SetCaption("?");
        return;
    }
    LabelSize->SetCaption(Format(TxtBytes, {NativeStream()->Size()}));
}

std::string TTeeExportForm::NativeExtension() const {
    switch (CBNativeFormat->ItemIndex()) {
        case nativeText:
            return "txt";
        case nativeXML:
            return "xml";
        default:
            return std::string(NativeChartExtension);
    }
}

std::unique_ptr<TMemoryStream> TTeeExportForm::NativeStream() const {
    auto stream = std::make_unique<TMemoryStream>();
    const int form = CBNativeFormat->ItemIndex();
    if (auto* chart = dynamic_cast<TCustomChart*>(FPanel)) {
        const bool data = CBNativeData->Checked();
        if (form == nativeXML)
            WriteChartXmlStream(*chart, *stream, data, true);
        else
            WriteChartStream(*chart, *stream, data, form == nativeText);
    } else if (FPanel) {
        // Any other panel as a plain component stream.
        TMemoryStream binary;
        WriteComponentToStream(binary, FPanel);
        binary.SetPosition(0);
        if (form == nativeBinary)
            stream->CopyFrom(binary, 0);
        else
            ObjectBinaryToText(binary, *stream);
    }
    stream->SetPosition(0);
    return stream;
}

void TTeeExportForm::SaveNative(const std::string& fileName, bool includeData) const {
    if (auto* chart = dynamic_cast<TCustomChart*>(FPanel)) {
        if (CBNativeFormat->ItemIndex() == nativeXML)
            WriteChartXmlFile(*chart, fileName, includeData, true);
        else
            WriteChartFile(*chart, fileName, includeData,
                           CBNativeFormat->ItemIndex() == nativeText);
        return;
    }
    SaveFileAtomic(fileName, [this](TStream& stream) { WriteComponentToStream(stream, FPanel); });
}

int TTeeExportForm::DataFilterPosition() const {
    const int format = RGText->ItemIndex();
    return format > fmtText ? format + 5 : CBDelim->ItemIndex() + 1;
}

std::unique_ptr<TSeriesData> TTeeExportForm::CreateDataExporter() const {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(FPanel);
    const int index = CBSeries->ItemIndex();
    auto* series =
        index >= 0 ? static_cast<TChartSeries*>(CBSeries->Items()->Objects(index)) : nullptr;
    std::unique_ptr<TSeriesData> result;
    switch (RGText->ItemIndex()) {
        case fmtXML:
            result = std::make_unique<TSeriesDataXML>(chart, series);
            break;
        case fmtHTML:
            result = std::make_unique<TSeriesDataHTML>(chart, series);
            break;
        case fmtExcel:
            result = std::make_unique<TSeriesDataXLS>(chart, series);
            break;
        default: {
            auto text = std::make_unique<TSeriesDataText>(chart, series);
            const std::string custom = ECustom->Text();
            const char delimiters[] = {' ', '\t', ',', ':', custom.empty() ? ' ' : custom[0]};
            const int d = CBDelim->ItemIndex();
            text->SetTextDelimiter(d >= 0 && d < 5 ? delimiters[d] : '\t');
            text->SetTextQuotes(EQuotes->Text());
            result = std::move(text);
        }
    }
    result->SetIncludeLabels(CBLabels->Checked());
    result->SetIncludeIndex(CBIndex->Checked());
    result->SetIncludeHeader(CBHeader->Checked());
    result->SetIncludeColors(CBColors->Checked());
    result->SetUseSeriesFormat(CBUseSeriesFormat->Checked());
    if (!result->UseSeriesFormat())
        result->SetValueFormat(ToInvariantSeparators(SeriesValueFormat->Text()));
    return result;
}

void TTeeExportForm::BCopyClick() {
    const TTabSheet* page = PageControl1->ActivePage();
    if (page == TabPicture) {
        if (TTeeExportFormat* format = SelectedFormat()) {
            format->Width = UDWidth->Position();
            format->Height = UDHeight->Position();
            format->CopyToClipboard();
        }
    } else if (page == TabData) {
        const TCursorGuard hourglass;
        CreateDataExporter()->CopyToClipboard();
    } else if (CBNativeFormat->ItemIndex() != nativeBinary) {
        const auto stream = NativeStream();
        Clipboard()->SetAsText(
            std::string(static_cast<const char*>(stream->Memory()), size_t(stream->Size())));
    }
}

void TTeeExportForm::BSaveClick() {
    const TTabSheet* page = PageControl1->ActivePage();
    if (page == TabPicture) {
        TTeeExportFormat* selected = SelectedFormat();
        if (!selected) return;
        SaveDialogPicture->SetDefaultExt(selected->FileExtension());
        SaveDialogPicture->SetFilterIndex(selected->FilterIndex());
        SaveDialogPicture->SetInitialDir(InitialDir);
        SaveDialogPicture->SetFileName("");
        // The extension of a name typed without one comes from the filter chosen, known only
        // after the dialog.
        SaveDialogPicture->SetDefaultExt("");
        if (!SaveDialogPicture->Execute()) return;
        const TCursorGuard hourglass;
        std::string file = SaveDialogPicture->FileName();
        file = ApplyDefaultExt(
            file, FilterExtension(SaveDialogPicture->Filter(), SaveDialogPicture->FilterIndex(),
                                  selected->FileExtension()));
        std::string extension = ExtractFileExt(file);
        if (!extension.empty()) extension.erase(0, 1);
        TTeeExportFormat* format = selected;
        TEMFExportFormat* metafile = nullptr;
        for (const auto& f : FFormats) {
            if (SameText(f->FileExtension(), extension)) {
                format = f.get();
                metafile = nullptr;
                break;
            }
            // The metafile format writes either kind; the name says which.
            if (auto* emf = dynamic_cast<TEMFExportFormat*>(f.get());
                emf && (SameText(extension, "emf") || SameText(extension, "wmf"))) {
                format = emf;
                metafile = emf;
            }
        }
        format->Width = UDWidth->Position();
        format->Height = UDHeight->Position();
        if (!metafile) {
            format->SaveToFile(file);
            return;
        }
        // Switched for this save only; the options keep what the user chose.
        const bool enhanced = metafile->Enhanced();
        metafile->SetEnhanced(SameText(extension, "emf"));
        try {
            metafile->SaveToFile(file);
        } catch (...) {
            metafile->SetEnhanced(enhanced);
            throw;
        }
        metafile->SetEnhanced(enhanced);
    } else if (page == TabNative) {
        const std::string extension = NativeExtension();
        SaveDialogNative->SetInitialDir(InitialDir);
        SaveDialogNative->SetFileName("");
        SaveDialogNative->SetDefaultExt(extension);
        SaveDialogNative->SetFilter(TxtDarEzaroFiles + " (*." + extension + ")|*." + extension);
        if (!SaveDialogNative->Execute()) return;
        const TCursorGuard hourglass;
        SaveNative(ChangeFileExt(SaveDialogNative->FileName(), "." + extension),
                   CBNativeData->Checked());
    } else {
        SaveDialogData->SetInitialDir(InitialDir);
        SaveDialogData->SetFileName("");
        SaveDialogData->SetFilter(DataFilterText());
        SaveDialogData->SetFilterIndex(DataFilterPosition());
        // The extension comes from the filter chosen, once it is known.
        SaveDialogData->SetDefaultExt("");
        if (!SaveDialogData->Execute()) return;
        // The filter chosen decides the format and, for the delimited texts, the delimiter: a
        // file saved as comma delimited is comma delimited.
        const int position = std::clamp(SaveDialogData->FilterIndex(), 1, 8);
        if (position <= 5) CBDelim->SetItemIndex(position - 1);
        RGText->SetItemIndex(position > 5 ? position - 5 : fmtText);
        RGTextClick();
        const std::string file =
            ApplyDefaultExt(SaveDialogData->FileName(), DataFileExtension(position));
        const TCursorGuard hourglass;
        CreateDataExporter()->SaveToFile(file);
    }
}

void TTeeExportForm::BViewNativeClick() {
    const auto stream = NativeStream();
    std::string text(static_cast<const char*>(stream->Memory()), size_t(stream->Size()));
    ShowStringsEditorForText(this, text, true);
}

void TTeeExportForm::BFormatClick() {
    SeriesValueFormat->SetText(
        TFormatEditor::ShowFormatDialog(this, SeriesValueFormat->Text(), true));
}

void TTeeExportForm::BSendClick() {
    // This system has no mail service: the first try disables Send and sends nothing.
    BSend->SetEnabled(false);
}
