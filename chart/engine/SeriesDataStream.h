#pragma once
// The "Data" block of a series in the component stream: the points entered by code or read
// from a stream, in this little-endian layout:
//
//   flags (1 byte): 1 positions stored, 2 colours stored, 4 labels stored, 8 mark positions
//   count N (int32), then per point: [position double] value double [colour uint32]
//   [label: length byte, then that many Windows-1252 characters] [one double per extra list]
//   [mark position, 34 bytes]
//
// The first double is always the position and the second the value, whatever the series'
// orientation. Unused flag bits are written 0 and ignored on reading.
//
// The flag tests look at every point, so no colour, position or label is dropped because it
// sits late in a long series; a label longer than 255 characters keeps its first 255.
#include <cstdint>

class TChartSeries;

enum TSeriesDataFlag : uint8_t {
    sdfPositions = 1,
    sdfColors = 2,
    sdfLabels = 4,
    sdfMarkPositions = 8
};

// The positions are not simply 0, 1, 2 ...
bool SeriesHasExplicitXValues(const TChartSeries& series);
// Some point has a colour other than clDefault and the series' own.
bool SeriesHasPointColors(const TChartSeries& series);
bool SeriesHasLabels(const TChartSeries& series);
uint8_t SeriesDataFlags(const TChartSeries& series);

// The bytes of a mark position record.
inline constexpr int MarkPositionRecordSize = 34;
// The longest label the block holds.
inline constexpr int MaxStoredLabelLength = 255;
