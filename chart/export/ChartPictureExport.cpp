#include "chart/export/ChartPictureExport.h"

#include <algorithm>

#include "chart/export/PictureExportOptions.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeHtml.h"
#include "chart/foundation/TeePanel.h"
#include "gif/GIFImage.h"
#include "platform/db/AtomicFile.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Clipboard.h"

namespace {
int PictureExportStartCount = 0;

std::vector<TExportFormatClass>& FormatList() {
    static std::vector<TExportFormatClass> list;
    return list;
}

constexpr TPixelFormat ChoicePixelFormats[] = {pfDevice, pf1bit,  pf4bit,  pf8bit,
                                               pf15bit,  pf16bit, pf24bit, pf32bit};

// The panel at the format's size in 24-bit colour, for the formats that compress it.
std::unique_ptr<TBitmap> TrueColourPicture(TTeeExportFormat& format) {
    format.CheckSize();
    return format.Panel->RenderRectToBitmap(format.Panel->Color(),
                                            TRect{0, 0, format.Width, format.Height}, pf24bit);
}
}  // namespace

// --- The base.

TTeeExportFormat::TTeeExportFormat() = default;
TTeeExportFormat::~TTeeExportFormat() = default;

void TTeeExportFormat::CheckPanel() const {
    if (!Panel) throw Exception(TxtPanelPropertyIsNotSetIn);
}

void TTeeExportFormat::CheckSize() {
    if (Width == 0) Width = Panel->Width();
    if (Height == 0) Height = Panel->Height();
}

void TTeeExportFormat::CopyToClipboard() {
    CheckPanel();
    CheckSize();
    DoCopyToClipboard();
}

void TTeeExportFormat::SaveToFile(const std::string& fileName) {
    CheckPanel();
    CheckSize();
    SaveFileAtomic(fileName, [this](TStream& stream) { SaveToStream(stream); });
}

// --- Metafiles.

TEMFExportFormat::TEMFExportFormat() = default;
TEMFExportFormat::~TEMFExportFormat() = default;

bool TEMFExportFormat::Enhanced() const {
    return FOptions ? FOptions->CBEnhanced->Checked() : FEnhanced;
}

void TEMFExportFormat::SetEnhanced(bool value) {
    FEnhanced = value;
    if (FOptions) FOptions->CBEnhanced->SetChecked(value);
}

TForm* TEMFExportFormat::Options(bool create) {
    if (!FOptions && create) {
        FOptions = std::make_unique<TEMFOptions>(nullptr);
        FOptions->CBEnhanced->SetChecked(FEnhanced);
    }
    return FOptions.get();
}

void TEMFExportFormat::TakeFilterIndex(int& counter) {
    TTeeExportFormat::TakeFilterIndex(counter);
    ++counter;
}

bool TEMFExportFormat::OwnsFilterIndex(int index) {
    if (index == FFilterIndex) return true;
    if (index != FFilterIndex + 1) return false;
    SetEnhanced(false);
    return true;
}

std::string TEMFExportFormat::Description() const { return TxtAsMetafile; }
std::string TEMFExportFormat::FileFilter() const { return TxtEnhancedMetafilesEmfEmfMetafilesWmf; }

std::unique_ptr<TGraphic> TEMFExportFormat::NewGraphic() const {
    return std::make_unique<TMetafile>();
}

std::unique_ptr<TMetafile> TEMFExportFormat::Metafile() {
    CheckSize();
    return Panel->RenderToMetafile(Enhanced(), TRect{0, 0, Width, Height});
}

void TEMFExportFormat::SaveToStream(TStream& stream) { Metafile()->SaveToStream(stream); }

void TEMFExportFormat::DoCopyToClipboard() { Clipboard()->Assign(*Metafile()); }

// --- Bitmaps.

TBMPExportFormat::TBMPExportFormat() : FFilters(std::make_unique<TFilterItems>()) {}
TBMPExportFormat::~TBMPExportFormat() = default;

std::string TBMPExportFormat::Description() const { return TxtAsBitmap; }
std::string TBMPExportFormat::FileFilter() const { return TxtBitmapsBmpBmp; }

std::unique_ptr<TGraphic> TBMPExportFormat::NewGraphic() const {
    return std::make_unique<TBitmap>();
}

std::unique_ptr<TBitmap> TBMPExportFormat::Bitmap(bool withFilters) {
    CheckSize();
    const int choice = std::clamp(ColorsIndex, 0, int(std::size(ChoicePixelFormats)) - 1);
    // A rotating surface needs true colour; RenderRectToBitmap sees to that.
    auto bitmap = Panel->RenderRectToBitmap(Panel->Color(), TRect{0, 0, Width, Height},
                                            Monochrome ? pf1bit : ChoicePixelFormats[choice]);
    if (withFilters) FFilters->ApplyAll(*bitmap);
    return bitmap;
}

void TBMPExportFormat::SaveToStream(TStream& stream) { Bitmap()->SaveToStream(stream); }

TForm* TBMPExportFormat::Options(bool create) {
    if (!FOptions && create) FOptions = std::make_unique<TBMPOptions>(nullptr, *this);
    return FOptions.get();
}

void TBMPExportFormat::DoCopyToClipboard() { Clipboard()->Assign(*Bitmap()); }

// --- JPEG and GIF, compressed from a true-colour picture of the panel.

std::string TJPEGExportFormat::Description() const { return TxtAsJPEG; }
std::string TJPEGExportFormat::FileFilter() const { return TxtJPEGFilesJpgJpg; }

std::unique_ptr<TGraphic> TJPEGExportFormat::NewGraphic() const {
    return std::make_unique<TJPEGImage>();
}

void TJPEGExportFormat::SaveToStream(TStream& stream) {
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(Quality);
    jpeg.Assign(TrueColourPicture(*this).get());
    jpeg.SaveToStream(stream);
}

void TJPEGExportFormat::DoCopyToClipboard() { Clipboard()->Assign(*TrueColourPicture(*this)); }

std::string TGIFExportFormat::Description() const { return TxtAsGIF; }
std::string TGIFExportFormat::FileFilter() const { return TxtGIFFilesGifGif; }

std::unique_ptr<TGraphic> TGIFExportFormat::NewGraphic() const {
    return std::make_unique<TGIFImage>();
}

void TGIFExportFormat::SaveToStream(TStream& stream) {
    TGIFImage gif;
    gif.Assign(TrueColourPicture(*this).get());
    gif.SaveToStream(stream);
}

void TGIFExportFormat::DoCopyToClipboard() {
    TGIFImage gif;
    gif.Assign(TrueColourPicture(*this).get());
    Clipboard()->Assign(gif);
}

// --- The list.

void AddExportFormat(TExportFormatClass formatClass) { FormatList().push_back(formatClass); }

void RemoveExportFormat(TExportFormatClass formatClass) {
    auto& list = FormatList();
    list.erase(std::remove(list.begin(), list.end(), formatClass), list.end());
}

const std::vector<TExportFormatClass>& ExportFormats() { return FormatList(); }

std::unique_ptr<TGraphic> CreateGraphicForExtension(const std::string& extension) {
    for (TExportFormatClass formatClass : FormatList()) {
        const std::unique_ptr<TTeeExportFormat> format = formatClass();
        if (UpperCase("." + format->FileExtension()) == extension) return format->NewGraphic();
    }
    return nullptr;
}

void PictureExportUnitStartup() {
    if (PictureExportStartCount++ > 0) return;
    AddExportFormat(&NewExportFormat<TEMFExportFormat>);
    AddExportFormat(&NewExportFormat<TBMPExportFormat>);
    AddExportFormat(&NewExportFormat<TJPEGExportFormat>);
    AddExportFormat(&NewExportFormat<TGIFExportFormat>);
    SetMarkupPictureHook(&CreateGraphicForExtension);
}

void PictureExportUnitShutdown() {
    if (PictureExportStartCount == 0 || --PictureExportStartCount > 0) return;
    SetMarkupPictureHook(nullptr);
    for (TExportFormatClass c :
         {&NewExportFormat<TEMFExportFormat>, &NewExportFormat<TBMPExportFormat>,
          &NewExportFormat<TJPEGExportFormat>, &NewExportFormat<TGIFExportFormat>})
        RemoveExportFormat(c);
}
