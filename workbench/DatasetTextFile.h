#pragma once
// The dataset text file ("Initial Data"): a whole dataset as labelled blocks of text, written
// from what the engine's loader accepted and read back into a new dataset.
#include <array>
#include <string>
#include <vector>

struct TDatasetText {
    struct TSurface {
        double Z = 0, Y = 0, Emissivity = 0, Diffusity = 0;
    };
    struct TTempPoint {
        double Xi = 0, Z = 0, Y = 0;
        int Surface = 0;
        double T = 0;
    };
    std::string Name;
    int Kind = 0;  // ViewIndex 0..4
    double Z0 = 0, Y0 = 0;
    std::vector<TSurface> Surfaces;
    std::vector<double> Wavelengths;
    double Tref = 0, Tbg = 0;
    std::vector<TTempPoint> TempPoints;
    // The parameters of each viewing condition of the kind (ViewParamCounts of them are used).
    std::vector<std::array<double, 3>> Conditions;
    double NRF = 0, Threshold = 0;
    std::vector<std::string> Comments;
};

// What the shared arrays of the engine hold: generatrix rows, temperature points, wavelengths and
// viewing-condition rows (the row numbers of the file run 1..201).
inline constexpr int MaxFileSurfaces = 202, MaxFileTempPoints = 101, MaxFileWavelengths = 201,
                     MaxFileConditions = 201;

std::string DatasetFileBytes(const TDatasetText& dataset);

// Reads the blocks in order. A value that is not a number or lies beyond the double range (it
// could not be written back), a count that is negative, not whole or beyond the limits above, a
// kind outside 0..4, no viewing condition (the writer gives no row for none, so such a file could
// not be read back), a surface number beyond the integers, or a viewing-condition row number
// outside 1..201 fails with "Error reading file". The rows of viewing conditions are read until a
// row number of at least their count, and the first one is always read, so an empty or cut-short
// file fails; every line after the comments' title is a comment line (any number of them, so that
// every file the writer makes can be read back).
bool ReadDatasetFile(const std::string& bytes, TDatasetText& dataset, std::string& message);

// The dataset the engine's shared data hold after LoadDataset, with the comment lines given.
TDatasetText DatasetTextFromShared(const std::vector<std::string>& comments);
