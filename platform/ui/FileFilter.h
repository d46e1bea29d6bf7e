#pragma once
// The file dialogs' filter string, "Description|pattern|Description|pattern" with patterns split
// by ';', and the default extension rule.
#include <string>
#include <vector>

struct TFileFilterItem {
    std::string Description;
    std::vector<std::string> Patterns;
    bool operator==(const TFileFilterItem&) const = default;
};

// Pairs of description and patterns; a description without its pattern half gets none.
std::vector<TFileFilterItem> ParseFileFilter(const std::string& filter);
// The name with "." + defaultExt appended when its last path element has no extension; the name
// as it is when it has one, when it is empty or when defaultExt is empty. A leading '.' of
// defaultExt is ignored.
std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt);
