#include "workbench/GeneratrixFile.h"

#include "workbench/TextFileFormat.h"

std::string GeneratrixFileBytes(const TGeneratrix& generatrix) {
    std::vector<std::string> lines;
    lines.push_back(TextReal(generatrix.Start.Z) + " " + TextReal(generatrix.Start.Y));
    for (const TGeneratrixNode& node : generatrix.Nodes)
        lines.push_back(TextReal(node.Z) + " " + TextReal(node.Y));
    return TextFileBytes(lines);
}

bool ReadGeneratrixFile(const std::string& bytes, const std::string& fileName,
                        TGeneratrix& generatrix, std::string& message) {
    message.clear();
    TTextReader reader(bytes);
    std::vector<TGeneratrixNode> lines;
    // A trailing empty line reads as the node (0, 0): reading at the end of the file gives 0.
    while (!reader.Eof()) {
        TGeneratrixNode node;
        if (!reader.ReadDouble(node.Z) || !reader.ReadDouble(node.Y)) {
            message = "Error reading file " + fileName;
            return false;
        }
        reader.SkipLine();
        lines.push_back(node);
        if (int(lines.size()) > MaxGeneratrixLines) {
            message = "Too many points: " + std::to_string(lines.size()) + ">" +
                      std::to_string(MaxGeneratrixLines);
            return false;
        }
    }
    // An empty file has no start node: refused before anything changes.
    if (lines.empty()) {
        message = "Error reading file " + fileName;
        return false;
    }
    generatrix.Start = lines.front();
    generatrix.Nodes.assign(lines.begin() + 1, lines.end());
    return true;
}

std::string WavelengthFileBytes(const std::vector<double>& wavelengths) {
    std::vector<std::string> lines;
    for (double w : wavelengths) lines.push_back(TextReal(w));
    return TextFileBytes(lines);
}

bool ReadWavelengthFile(const std::string& bytes, const std::string& fileName,
                        std::vector<double>& wavelengths, std::string& message) {
    message.clear();
    TTextReader reader(bytes);
    std::vector<double> values;
    while (!reader.Eof()) {
        double w = 0;
        if (!reader.ReadDouble(w) || int(values.size()) == MaxWavelengthValues) {
            message = "Error reading file " + fileName;
            return false;
        }
        reader.SkipLine();
        values.push_back(w);
    }
    wavelengths = std::move(values);
    return true;
}
