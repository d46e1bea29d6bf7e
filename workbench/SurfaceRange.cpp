#include "workbench/SurfaceRange.h"

#include "platform/rtl/NumberText.h"

bool ResolveSurfaceRange(TRangeItem item, int current, int count, int from, int to, bool nodes,
                         TSurfaceRange& range, std::string& message) {
    message.clear();
    switch (item) {
        case riFirstToCurrent:
            range = {1, current};
            return true;
        case riCurrentToLast:
            range = {current, count};
            return true;
        case riAll:
            range = {1, count};
            return true;
        case riFromTo:
            break;
    }
    if (to < from) {
        message = std::string(nodes ? "Incorrect node numbers" : "Incorrect surface numbers") +
                  ": from " + std::to_string(from) + " to " + std::to_string(to);
        return false;
    }
    range = {from, to};
    return true;
}

bool ReadUnitValue(const std::string& text, const std::string& name, double& value,
                   std::string& message) {
    message.clear();
    if (!TryStrToFloat(text, value)) {
        message = "Invalid value for " + name;
        return false;
    }
    if (value < 0 || value > 1) {
        message = name + " must be from 0 to 1";
        return false;
    }
    return true;
}

std::string SurfaceCountText(const std::string& datasetName, int count) {
    return datasetName + ": " + std::to_string(count) + (count == 1 ? " surface" : " surfaces");
}
