#pragma once
// Picture export formats: each knows its file extension, its save-dialog filter, its description
// for the format list and how to render a panel into its kind of picture. The formats register
// in one process-wide list at start-up, in a fixed order (metafile, bitmap, JPEG, GIF), which
// gives their positions in the save dialog's filter list; the markup text renderer asks the list
// for a picture object for an image file's extension.
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

class TBMPOptions;
class TCustomTeePanel;
class TEMFOptions;
class TFilterItems;
class TForm;
class TGraphic;
class TMetafile;
class TStream;

class TTeeExportFormat {
public:
    TTeeExportFormat();
    virtual ~TTeeExportFormat();
    TTeeExportFormat(const TTeeExportFormat&) = delete;
    TTeeExportFormat& operator=(const TTeeExportFormat&) = delete;

    TCustomTeePanel* Panel = nullptr;
    // 0 takes the panel's size.
    int Width = 0;
    int Height = 0;

    // Raise "Panel property is not set in Export format" without a panel.
    void CopyToClipboard();
    // Creates (or overwrites) the file; it is closed on every path.
    void SaveToFile(const std::string& fileName);
    void CheckSize();

    // The 1-based position in the save dialog's filter list.
    virtual int FilterIndex() const { return FFilterIndex; }
    virtual void TakeFilterIndex(int& counter) { FFilterIndex = ++counter; }
    virtual bool OwnsFilterIndex(int index) { return index == FFilterIndex; }
    virtual std::string Description() const = 0;
    virtual std::string FileExtension() const = 0;
    virtual std::string FileFilter() const = 0;
    // A new, empty picture of the format's kind; none in the base.
    virtual std::unique_ptr<TGraphic> NewGraphic() const { return nullptr; }
    virtual void SaveToStream(TStream& stream) = 0;
    // The format's options form, made on first asking with create; none in the base. The
    // format owns it.
    virtual TForm* Options(bool /*create*/) { return nullptr; }

protected:
    virtual void DoCopyToClipboard() = 0;
    int FFilterIndex = 0;

private:
    void CheckPanel() const;
};

// Enhanced (emf) or plain (wmf) metafile; takes two filter positions, emf then wmf.
class TEMFExportFormat : public TTeeExportFormat {
public:
    TEMFExportFormat();
    ~TEMFExportFormat() override;

    // The options form's "Enhanced" box once the form exists.
    bool Enhanced() const;
    void SetEnhanced(bool value);

    int FilterIndex() const override { return Enhanced() ? FFilterIndex : FFilterIndex + 1; }
    void TakeFilterIndex(int& counter) override;
    // The second position chooses the plain metafile.
    bool OwnsFilterIndex(int index) override;
    std::string Description() const override;
    std::string FileExtension() const override { return Enhanced() ? "emf" : "wmf"; }
    std::string FileFilter() const override;
    std::unique_ptr<TGraphic> NewGraphic() const override;
    std::unique_ptr<TMetafile> Metafile();
    void SaveToStream(TStream& stream) override;
    TForm* Options(bool create) override;

protected:
    void DoCopyToClipboard() override;

private:
    bool FEnhanced = true;
    std::unique_ptr<TEMFOptions> FOptions;
};

// The colour choices of the bitmap formats, by position: device, 1, 4, 8, 15, 16, 24, 32 bits.
inline constexpr const char* BitmapColorChoices[] = {
    "Default",        "2 (1 bit)",      "16 (4 bit)",   "256 (8 bit)",
    "32768 (15 bit)", "65536 (16 bit)", "16M (24 bit)", "16M (32 bit)"};

class TBMPExportFormat : public TTeeExportFormat {
public:
    TBMPExportFormat();
    ~TBMPExportFormat() override;

    // An index into BitmapColorChoices; ignored when Monochrome.
    int ColorsIndex = 0;
    bool Monochrome = false;
    // Applied to the picture in order, the enabled ones.
    TFilterItems& Filters() { return *FFilters; }

    std::string Description() const override;
    std::string FileExtension() const override { return "bmp"; }
    std::string FileFilter() const override;
    std::unique_ptr<TGraphic> NewGraphic() const override;
    // The panel drawn at the format's size and colours, filters applied (or not).
    std::unique_ptr<TBitmap> Bitmap(bool withFilters = true);
    void SaveToStream(TStream& stream) override;
    TForm* Options(bool create) override;

protected:
    void DoCopyToClipboard() override;

private:
    std::unique_ptr<TFilterItems> FFilters;
    std::unique_ptr<TBMPOptions> FOptions;
};

class TJPEGExportFormat : public TTeeExportFormat {
public:
    // 1..100.
    int Quality = 95;

    std::string Description() const override;
    std::string FileExtension() const override { return "jpg"; }
    std::string FileFilter() const override;
    std::unique_ptr<TGraphic> NewGraphic() const override;
    void SaveToStream(TStream& stream) override;

protected:
    void DoCopyToClipboard() override;
};

class TGIFExportFormat : public TTeeExportFormat {
public:
    std::string Description() const override;
    std::string FileExtension() const override { return "gif"; }
    std::string FileFilter() const override;
    std::unique_ptr<TGraphic> NewGraphic() const override;
    void SaveToStream(TStream& stream) override;

protected:
    void DoCopyToClipboard() override;
};

// A format "class": makes a new format object.
using TExportFormatClass = std::unique_ptr<TTeeExportFormat> (*)();

template <class T>
std::unique_ptr<TTeeExportFormat> NewExportFormat() {
    return std::make_unique<T>();
}

void AddExportFormat(TExportFormatClass formatClass);
void RemoveExportFormat(TExportFormatClass formatClass);
// The registered classes in registration order.
const std::vector<TExportFormatClass>& ExportFormats();

// The picture object for a file extension given with its dot in capitals (".BMP"): a new, empty
// picture of the first format whose extension matches; none when no format does.
std::unique_ptr<TGraphic> CreateGraphicForExtension(const std::string& extension);

// Registers the formats in their order and installs the markup renderer's picture hook.
void PictureExportUnitStartup();
void PictureExportUnitShutdown();
