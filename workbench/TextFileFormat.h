#pragma once
// The conventions every text file of the workbench shares: single-byte Windows-1252 text with
// CR LF line ends, reals written in a fixed 23-character scientific form with a point whatever
// the locale, and a free-format reader that takes numbers separated by blanks and line ends.
#include <cstddef>
#include <string>
#include <vector>

// A blank (zero or above) or a minus, d.dddddddddddddd (15 significant digits), E, the exponent's
// sign and four digits: 0.25 gives " 2.50000000000000E-0001".
std::string TextReal(long double value);
// The largest magnitude whose TextReal reads back as a double: the greatest number of 15
// significant digits within the double range (the largest double itself is written rounded up,
// as 1.79769313486232E+0308, which is beyond it).
inline constexpr long double MaxTextReal = 1.79769313486231e308L;
// `text` right-aligned in `width` characters (longer text is kept whole).
std::string PadLeft(const std::string& text, size_t width);

// The aligned number columns of the plain-text outputs (the report, plot titles, dialog fields):
// `value` under a FormatFloat pattern with each leading "0" that is not directly before the
// decimal separator turned into a blank. FormatBlankZeros("00000.000000", 0.5) gives
// "    0.500000"; after a minus sign nothing is blanked ("-00000.500000").
std::string FormatBlankZeros(const std::string& format, long double value);
// `value` right-aligned in `width` characters.
std::string PadInt(int width, long value);

// The lines (UTF-8) as file bytes: Windows-1252, each line ended by CR LF.
std::string TextFileBytes(const std::vector<std::string>& lines);

// Reads numbers and lines from the bytes of a text file, as the workbench's files are read.
class TTextReader {
public:
    explicit TTextReader(std::string bytes) : FBytes(std::move(bytes)) {}

    // Skips blanks, tabs and line ends, then takes the characters up to the next blank or
    // control character (at most 64) as a decimal number with a point. At the end of the file
    // the value is 0 and the read succeeds; text that is not a number fails.
    bool ReadReal(long double& value);
    // A number for a double that TextReal writes back readably: one beyond +-MaxTextReal (1e381
    // reads as a long double, but its double is infinite and would be written as "INF") fails.
    bool ReadDouble(double& value);
    // A number that must be a whole number in min..max.
    bool ReadInt(long& value, long min, long max);
    // Ignores the rest of the current line and its line end.
    void SkipLine();
    // The rest of the current line (UTF-8), its line end consumed.
    std::string ReadLine();
    bool Eof() const { return FPos >= FBytes.size(); }

private:
    std::string FBytes;
    size_t FPos = 0;
};

// The file's bytes; false when it cannot be opened.
bool ReadFileBytes(const std::string& fileName, std::string& bytes);
enum class TWriteResult { Written, CannotCreate, WriteFailed };
// Writes the bytes, telling a file that cannot be created from one that fails while written.
TWriteResult WriteFileBytes(const std::string& fileName, const std::string& bytes);
