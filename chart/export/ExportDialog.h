#pragma once
// `TTeeExportForm`, the export dialog: copies, saves or mails a chart panel as a picture (one of
// the registered picture export formats), as a native chart stream (binary, text or XML) or as
// its series' data (text, XML, HTML or spreadsheet). It refills itself each time it is shown;
// its Tag is the panel it exports.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Form.h"

class TButton;
class TCheckBox;
class TComboBox;
class TCustomTeePanel;
class TEdit;
class TLabel;
class TListBox;
class TMemoryStream;
class TPageControl;
class TRadioGroup;
class TSaveDialog;
class TSeriesData;
class TTabSheet;
class TTeeExportFormat;
class TUpDown;

// The save-dialog filter of the data formats: five delimited texts, XML, HTML, spreadsheet.
std::string DataFilterText();
// The extension of the data filter at a 1-based position ("txt", "csv", "xml", "htm", "xls").
std::string DataFileExtension(int filterPosition);

class TTeeExportForm : public TForm {
    KV_DECLARE_CLASS(TTeeExportForm, TForm)
public:
    explicit TTeeExportForm(TComponent* owner);
    ~TTeeExportForm() override;

    TPageControl* PageControl1;
    TTabSheet *TabPicture, *TabNative, *TabData;
    TListBox* LBFormat;
    TPageControl* PageOptions;
    TTabSheet *TabOptions, *TabSize;
    TEdit *EWidth, *EHeight;
    TUpDown *UDWidth, *UDHeight;
    TCheckBox *CBAspect, *CBPicSize;
    TLabel* LabelPicSize;
    TCheckBox *CBNativeData, *CBFileSize;
    TRadioGroup* CBNativeFormat;
    TLabel* LabelSize;
    TButton* BViewNative;
    TComboBox* CBSeries;
    TRadioGroup* RGText;
    TCheckBox *CBUseSeriesFormat, *CBIndex, *CBLabels, *CBHeader, *CBColors;
    TComboBox *SeriesValueFormat, *CBDelim;
    TButton* BFormat;
    TEdit *ECustom, *EQuotes;
    TButton *BCopy, *BSave, *BSend, *BClose;
    TSaveDialog *SaveDialogPicture, *SaveDialogNative, *SaveDialogData;
    // The folder the save dialogs start in.
    std::string InitialDir;

    TCustomTeePanel* ExportPanel() const { return FPanel; }
    // The picture format chosen in the list.
    TTeeExportFormat* SelectedFormat() const;
    bool CanExportData() const;
    void EnableButtons();
    // A new exporter configured from the Data tab.
    std::unique_ptr<TSeriesData> CreateDataExporter() const;
    // The panel in the native form chosen, from its start.
    std::unique_ptr<TMemoryStream> NativeStream() const;
    void SaveNative(const std::string& fileName, bool includeData) const;
    // "tee", "txt" or "xml" by the native format.
    std::string NativeExtension() const;
    // 1..5 for the delimited texts by delimiter, 6..8 for XML, HTML and spreadsheet.
    int DataFilterPosition() const;

    void FormShow();
    // Shows the chosen format's options, or the size when it has none.
    void LBFormatClick();
    void SizeChanged(bool widthChanged);
    void RefreshPictureSize();
    void RefreshNativeSize();
    void BCopyClick();
    void BSaveClick();
    void BSendClick();
    // The native text, read-only, in the text editor.
    void BViewNativeClick();
    // The value format through the "Numeric Format" dialog.
    void BFormatClick();

protected:
    void DoShow() override;

private:
    void BuildPictureTab();
    void BuildNativeTab();
    void BuildDataTab();
    void BuildButtons();
    void ConnectHandlers();
    void PrepareDataTab();
    void FillFormats();
    void RGTextClick();

    bool FUpdating = false;
    double FAspect = 0;
    TCustomTeePanel* FPanel = nullptr;
    std::vector<std::unique_ptr<TTeeExportFormat>> FFormats;
};
