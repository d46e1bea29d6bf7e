#include "platform/ui/FileFilter.h"

namespace {
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}
}  // namespace

std::vector<TFileFilterItem> ParseFileFilter(const std::string& filter) {
    std::vector<TFileFilterItem> items;
    if (filter.empty()) return items;
    std::vector<std::string> parts = Split(filter, '|');
    for (size_t i = 0; i < parts.size(); i += 2) {
        TFileFilterItem item{parts[i], {}};
        if (i + 1 < parts.size())
            for (std::string& pattern : Split(parts[i + 1], ';'))
                if (!pattern.empty()) item.Patterns.push_back(pattern);
        items.push_back(std::move(item));
    }
    return items;
}

std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt) {
    std::string ext =
        !defaultExt.empty() && defaultExt[0] == '.' ? defaultExt.substr(1) : defaultExt;
    if (fileName.empty() || ext.empty()) return fileName;
    size_t slash = fileName.find_last_of('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (nameStart == fileName.size()) return fileName;  // a folder, not a file
    if (fileName.find('.', nameStart) != std::string::npos) return fileName;
    return fileName + "." + ext;
}
