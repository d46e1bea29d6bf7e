#include "chart/tools/sources/SeriesSourceFile.h"

#include "chart/engine/ChartSeries.h"
#include "chart/tools/sources/UrlStreamCache.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Streams.h"

TTeeSeriesSourceFile::TTeeSeriesSourceFile(TComponent* owner) : TTeeSeriesSource(owner) {}

TTeeSeriesSourceFile::~TTeeSeriesSourceFile() = default;

void TTeeSeriesSourceFile::SetFileName(const std::string& value) { FFileName = value; }

void TTeeSeriesSourceFile::LoadData() {
    if (!Series() || FFileName.empty()) return;
    if (IsUrlName(FFileName))
        LoadFromUrl(FFileName);
    else
        LoadFromFile(FFileName);
}

void TTeeSeriesSourceFile::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead);
    LoadFromStream(stream);
}

void TTeeSeriesSourceFile::LoadFromUrl(const std::string& address) {
    TMemoryStream stream;
    const int code = DownloadUrlToStream(address, stream);
    if (code != 0) {
        std::string where = address;
        where.append(" ").append(UrlErrorText(code));
        throw ChartException(
            Format("Error code: %d downloading Series data from URL: %s", {code, where}));
    }
    stream.SetPosition(0);
    LoadFromStream(stream);
}

void TTeeSeriesSourceFile::LoadFromStream(TStream&) {
    if (!Series()) throw Exception("No Series selected");
}
