#include "workbench/RegularViewingConditions.h"

#include "platform/rtl/NumberText.h"
#include "workbench/TextFileFormat.h"

int DefaultRegularVariable(int kind) { return kind == 0 ? 0 : 2; }

bool RegularViewingConditions(const std::vector<TRegularParameter>& parameters,
                              std::vector<std::array<double, 3>>& rows, std::string& message) {
    message.clear();
    rows.clear();
    std::array<long double, 3> lo{}, step{};
    int count = 1;
    for (size_t p = 0; p < parameters.size() && p < 3; ++p) {
        const TRegularParameter& q = parameters[p];
        if (!TryStrToFloat(q.MinText, lo[p])) {
            message = "Invalid value for " + q.Name + " min.";
            return false;
        }
        if (!q.Variable) continue;
        long double hi = 0;
        if (!TryStrToFloat(q.MaxText, hi)) {
            message = "Invalid value for " + q.Name + " max.";
            return false;
        }
        if (!(hi > lo[p])) {
            message = q.Name + " min. must be less then " + q.Name + " max.";
            return false;
        }
        int n = 0;
        if (!TryStrToInt(q.NText, n)) {
            message = "Invalid number of values for " + q.Name;
            return false;
        }
        if (n < 2) {
            message = "Number of values for " + q.Name + " must be greater than 1";
            return false;
        }
        if (n > MaxRegularValues) {
            message = "Number of values for " + q.Name + " cannot be greater than " +
                      std::to_string(MaxRegularValues);
            return false;
        }
        step[p] = (hi - lo[p]) / (n - 1);
        count = n;
    }
    for (int j = 0; j < count; ++j) {
        std::array<double, 3> row{};
        for (size_t p = 0; p < parameters.size() && p < 3; ++p)
            row[p] = double(lo[p] + j * step[p]);
        rows.push_back(row);
    }
    return true;
}

bool RegularLocalHemispherical(double a, double b, int n, int existing, std::vector<double>& xi,
                               int& total, std::string& message) {
    message.clear();
    xi.clear();
    total = existing;
    if (!(b > a)) {
        message = "Xi Starting Value must be less than Xi Ending Value";
        return false;
    }
    total = existing + n;
    if (total > MaxRegularValues) {
        message = "Too many points\rOnly " + std::to_string(MaxRegularValues) + " allowed";
        return false;
    }
    for (int k = 1; k <= n; ++k) xi.push_back(a + (k - 1) * (b - a) / (n - 1));
    xi.front() += 1e-12;
    xi.back() -= 1e-12;
    return true;
}

std::string BoundaryText(double value) { return FormatBlankZeros("0000.000000", value); }
