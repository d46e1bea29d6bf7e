#include "workbench/RegularWavelengths.h"

#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"

namespace {

bool ReadBound(const std::string& text, const char* invalid, const char* which, long double& v,
               std::string& message) {
    if (!TryStrToFloat(text, v)) {
        message = invalid;
        return false;
    }
    // Compared as the field stores it, so that a typed 0.01 is the bound itself.
    if (double(v) < MinWavelength || double(v) > MaxWavelength) {
        message = std::string(which) + " Wavelength must be from " + FloatToStr(MinWavelength) +
                  " \u00B5m to " + FloatToStr(MaxWavelength) + " \u00B5m";
        return false;
    }
    return true;
}

}  // namespace

bool RegularWavelengths(const std::string& minText, const std::string& maxText,
                        TWavelengthSpacing spacing, const std::string& specifyText,
                        std::vector<double>& values, std::string& message) {
    message.clear();
    values.clear();
    long double lo = 0, hi = 0;
    if (!ReadBound(minText, "Invalid value for Min. Wavelength", "Min.", lo, message) ||
        !ReadBound(maxText, "Invalid value for Max.Wavelength", "Max.", hi, message))
        return false;
    if (!(hi > lo)) {
        message = "Max. Wavelength must be greater than Min. Wavelength";
        return false;
    }
    if (spacing == TWavelengthSpacing::Number) {
        int n = 0;
        if (!TryStrToInt(specifyText, n) || n < 2 || n > MaxWavelengthCount) {
            message = "Invalid value for Number of Wavelengths";
            return false;
        }
        for (int k = 1; k <= n; ++k) values.push_back(double(lo + (k - 1) * (hi - lo) / (n - 1)));
        return true;
    }
    long double step = 0;
    if (!TryStrToFloat(specifyText, step)) {
        message = "Invalid value for Step";
        return false;
    }
    // The tolerance lets the last value reach Max despite rounding; a step of 0 or below runs
    // into the count limit.
    int k = 0;
    for (long double w = lo; w <= hi + 0.000001L; w += step) {
        if (++k > MaxWavelengthCount) {
            message = "Number of Wavelengths (" + std::to_string(k) + ") cannot be greater than " +
                      std::to_string(MaxWavelengthCount) + "\rPlease decrease step.";
            values.clear();
            return false;
        }
        values.push_back(double(w));
    }
    return true;
}

std::string WavelengthDuplicationText(double value) {
    return "Record duplication: Wavelength = " + FloatToStr(value) + " \u00B5m\rSkipped.";
}
