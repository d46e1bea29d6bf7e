#pragma once
// The generatrix and wavelength text files: the start node and one "Z Y" line per cavity row,
// or one wavelength per line, in the 23-character real form of TextFileFormat.h.
#include <string>
#include <vector>

struct TGeneratrixNode {
    double Z = 0, Y = 0;
};

struct TGeneratrix {
    TGeneratrixNode Start;               // fields Z0 and R0 of the dataset
    std::vector<TGeneratrixNode> Nodes;  // the cavity rows in key order
};

// At most 201 lines (the start node and 200 nodes) and 201 wavelengths are read.
inline constexpr int MaxGeneratrixLines = 201;
inline constexpr int MaxWavelengthValues = 201;

std::string GeneratrixFileBytes(const TGeneratrix& generatrix);
// Reads every line (two numbers; the rest of the line is ignored). Fails with "Error reading
// file " + fileName for text that is not a number, a number beyond the double range (it could
// not be written back) or a file without any line (it holds no start node), and with "Too many
// points: 202>201" at the 202nd line.
bool ReadGeneratrixFile(const std::string& bytes, const std::string& fileName,
                        TGeneratrix& generatrix, std::string& message);

std::string WavelengthFileBytes(const std::vector<double>& wavelengths);
// One number per line; text that is not a number, a number beyond the double range or a 202nd
// value fails with "Error reading file " + fileName.
bool ReadWavelengthFile(const std::string& bytes, const std::string& fileName,
                        std::vector<double>& wavelengths, std::string& message);
