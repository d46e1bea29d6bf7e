#pragma once
// The base of the sources that fill a series from a named file or an internet address. Loading
// opens the file (or downloads the address through the process-wide cache's downloader) and
// hands the stream to LoadFromStream, which a source kind that parses a format overrides; this
// class itself parses nothing and is no source kind of its own.
#include <string>

#include "chart/engine/SeriesSource.h"

class TStream;

class TTeeSeriesSourceFile : public TTeeSeriesSource {
    KV_DECLARE_CLASS(TTeeSeriesSourceFile, TTeeSeriesSource)
public:
    explicit TTeeSeriesSourceFile(TComponent* owner);
    ~TTeeSeriesSourceFile() override;

    // A file path or an internet address.
    const std::string& FileName() const { return FFileName; }
    virtual void SetFileName(const std::string& value);

    // EFOpenError when the file cannot be opened; the file is closed on every path.
    void LoadFromFile(const std::string& fileName);
    // ChartException "Error code: %d downloading Series data from URL: %s" when the download
    // fails; the series is then not touched.
    void LoadFromUrl(const std::string& address);
    // Reads the stream (at its start) into the series: raises "No Series selected" without a
    // series and reads nothing otherwise.
    virtual void LoadFromStream(TStream& stream);

protected:
    // Nothing without a series or a file name; an address downloads, anything else is a file.
    void LoadData() override;

private:
    std::string FFileName;
};
