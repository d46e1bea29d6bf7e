#include "chart/engine/SeriesDataStream.h"

#include <algorithm>
#include <string>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "platform/classes/Filer.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/Streams.h"

bool SeriesHasExplicitXValues(const TChartSeries& series) {
    const int n = series.Count();
    if (!series.UsesPositionList || n == 0) return false;
    const TChartValueList& positions = series.NotMandatoryValueList();
    if (positions[0] != 0 || positions[n - 1] != n - 1) return true;
    for (int i = 0; i < n; ++i)
        if (positions[i] != i) return true;
    return false;
}

bool SeriesHasPointColors(const TChartSeries& series) {
    if (!series.HasPointColors()) return false;
    for (int i = 0; i < series.Count(); ++i) {
        const TColor c = series.StoredPointColor(i);
        if (c != clDefault && c != series.SeriesColor()) return true;
    }
    return false;
}

bool SeriesHasLabels(const TChartSeries& series) {
    const TLabelsList& labels = series.Labels();
    for (int i = 0; i < std::min(series.Count(), labels.Count()); ++i)
        if (!labels.Label(i).empty()) return true;
    return false;
}

uint8_t SeriesDataFlags(const TChartSeries& series) {
    uint8_t flags = 0;
    if (SeriesHasExplicitXValues(series)) flags |= sdfPositions;
    if (SeriesHasPointColors(series)) flags |= sdfColors;
    if (SeriesHasLabels(series)) flags |= sdfLabels;
    if (series.Marks()->Positions().ExistCustom()) flags |= sdfMarkPositions;
    return flags;
}

namespace {

template <class T>
T ReadRaw(TStream& stream) {
    T value;
    stream.ReadBuffer(&value, sizeof(T));
    return value;
}

template <class T>
void WriteRaw(TStream& stream, T value) {
    stream.WriteBuffer(&value, sizeof(T));
}

void WritePoint(TStream& stream, const TPoint& p) {
    WriteRaw<int32_t>(stream, p.X);
    WriteRaw<int32_t>(stream, p.Y);
}

TPoint ReadPoint(TStream& stream) {
    const int32_t x = ReadRaw<int32_t>(stream);
    return TPoint{x, ReadRaw<int32_t>(stream)};
}

// The stored fields of a mark position (MarkPositionRecordSize bytes); the arrow's elbow is
// computed when the mark is drawn and not stored.
void WriteMarkPosition(TStream& stream, const TSeriesMarkPosition& p) {
    WritePoint(stream, p.ArrowFrom);
    WriteRaw<uint8_t>(stream, p.ArrowFix ? 1 : 0);
    WritePoint(stream, p.ArrowTo);
    WriteRaw<uint8_t>(stream, p.Custom ? 1 : 0);
    WriteRaw<int32_t>(stream, p.Height);
    WritePoint(stream, p.LeftTop);
    WriteRaw<int32_t>(stream, p.Width);
}

void ReadMarkPosition(TStream& stream, TSeriesMarkPosition& p) {
    p.ArrowFrom = ReadPoint(stream);
    p.ArrowFix = ReadRaw<uint8_t>(stream) != 0;
    p.ArrowTo = ReadPoint(stream);
    p.Custom = ReadRaw<uint8_t>(stream) != 0;
    p.Height = ReadRaw<int32_t>(stream);
    p.LeftTop = ReadPoint(stream);
    p.Width = ReadRaw<int32_t>(stream);
}

}  // namespace

void TChartSeries::WriteDataStream(TStream& stream) {
    const uint8_t flags = SeriesDataFlags(*this);
    const int n = Count();
    WriteRaw<uint8_t>(stream, flags);
    WriteRaw<int32_t>(stream, n);
    const TChartValueList& positions = NotMandatoryValueList();
    const TChartValueList& values = MandatoryValueList();
    for (int i = 0; i < n; ++i) {
        if (flags & sdfPositions) WriteRaw<double>(stream, positions[i]);
        WriteRaw<double>(stream, values[i]);
        if (flags & sdfColors) WriteRaw<uint32_t>(stream, uint32_t(StoredPointColor(i)));
        if (flags & sdfLabels) {
            std::string text = Utf8ToCp1252(FLabels.Label(i));
            if (text.size() > MaxStoredLabelLength) text.resize(MaxStoredLabelLength);
            WriteRaw<uint8_t>(stream, uint8_t(text.size()));
            stream.WriteBuffer(text.data(), int64_t(text.size()));
        }
        for (int j = 2; j < FValueLists.Count(); ++j)
            WriteRaw<double>(stream, (*FValueLists.ValueList(j))[i]);
        // A point without a position gets an empty one, which the marks keep.
        if (flags & sdfMarkPositions) WriteMarkPosition(stream, FMarks->Positions().Ensure(i));
    }
}

void TChartSeries::ReadDataStream(TStream& stream) {
    Clear();
    const uint8_t flags = ReadRaw<uint8_t>(stream);
    const int32_t n = ReadRaw<int32_t>(stream);
    BeginUpdate();
    // A block that ends early keeps the points read before; the chart and dependents hear of
    // them once, and the damage is reported after that.
    try {
        for (int32_t i = 0; i < n; ++i) {
            const double p = flags & sdfPositions ? ReadRaw<double>(stream) : double(i);
            const double v = ReadRaw<double>(stream);
            const TColor color = flags & sdfColors ? TColor(ReadRaw<uint32_t>(stream)) : clDefault;
            std::string label;
            if (flags & sdfLabels) {
                std::string bytes(ReadRaw<uint8_t>(stream), '\0');
                stream.ReadBuffer(bytes.data(), int64_t(bytes.size()));
                label = Cp1252ToUtf8(bytes);
            }
            for (int j = 2; j < FValueLists.Count(); ++j)
                FValueLists.ValueList(j)->TempValue = ReadRaw<double>(stream);
            // Read whole before anything is added: a record cut short adds no point.
            TSeriesMarkPosition mark;
            if (flags & sdfMarkPositions) ReadMarkPosition(stream, mark);
            // The record holds every list's value: the plain append, not a type's own rules
            // for new points (a Gantt task would lose its successor).
            if (FYMandatory)
                TChartSeries::AddXYPoint(p, v, label, color);
            else
                TChartSeries::AddXYPoint(v, p, label, color);
            if (flags & sdfMarkPositions) {
                TSeriesMarksPositions& positions = FMarks->Positions();
                positions.Ensure(positions.Count()) = mark;
            }
        }
    } catch (...) {
        DataEnteredByHand = true;
        EndUpdate();
        throw;
    }
    DataEnteredByHand = true;
    EndUpdate();
}

void TChartSeries::DefineDataProperty(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](TStream& s) { ReadDataStream(s); },
        [this](TStream& s) { WriteDataStream(s); },
        AlwaysStoreData || (DataEnteredByHand && !NeverStoreData));
}
