#pragma once
// The evenly spaced wavelength set of the "Regular Wavelengths Set" dialog: bounds and either the
// number of values or the step, read from the dialog's texts and checked in the dialog's order.
#include <string>
#include <vector>

enum class TWavelengthSpacing { Number, Step };

inline constexpr double MinWavelength = 0.01, MaxWavelength = 1000;
inline constexpr int MaxWavelengthCount = 201;

// The set from Min to Max, or false with the first message that applies. A number of values
// below 2 is refused like a text that is not a number (one value would divide by zero, none
// would add nothing).
bool RegularWavelengths(const std::string& minText, const std::string& maxText,
                        TWavelengthSpacing spacing, const std::string& specifyText,
                        std::vector<double>& values, std::string& message);

// "Record duplication: Wavelength = " + value + " µm\rSkipped."
std::string WavelengthDuplicationText(double value);
