#pragma once
// The regular sets of viewing conditions: one parameter varying evenly between a minimum and a
// maximum with the others fixed (kinds 0 to 3), or local-hemispherical points spread evenly in
// Xi between two generatrix nodes (kind 4). Inputs are the dialogs' texts; messages are checked
// in the dialogs' order.
#include <array>
#include <string>
#include <vector>

inline constexpr int MaxRegularValues = 201;

struct TRegularParameter {
    std::string Name;  // as the dialog lists it
    std::string MinText, MaxText, NText;
    bool Variable = false;  // Max. and N are read only for the variable parameter
};

// The variable parameter when the dialog opens: the first for kind 0, the last for kinds 1 to 3.
int DefaultRegularVariable(int kind);

// One row per value of the variable parameter, each with every parameter's value; false with the
// first message that applies.
bool RegularViewingConditions(const std::vector<TRegularParameter>& parameters,
                              std::vector<std::array<double, 3>>& rows, std::string& message);

// n points from Xi a to Xi b, the first raised and the last lowered by 1e-12 so that no point
// sits on a node. `total` is the number of points afterwards (existing + n), also on the
// "Too many points" refusal.
bool RegularLocalHemispherical(double a, double b, int n, int existing, std::vector<double>& xi,
                               int& total, std::string& message);

// A boundary value as the dialog shows it: "0000.000000" with the leading zeros before the zero
// in front of the point turned into blanks (0.5 gives "   0.500000").
std::string BoundaryText(double value);
