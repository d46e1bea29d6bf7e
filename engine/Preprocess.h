#pragma once
// Turns the generatrix into surfaces of revolution: closes the profile with the aperture disk
// and gives every segment its kind (cone, cylinder, disk), orientation and the coefficients that
// the hit search and the normals use.
#include <cstdint>
#include <string>

// Surface kinds.
inline constexpr uint8_t SurfCone = 1;
inline constexpr uint8_t SurfCylinder = 2;
inline constexpr uint8_t SurfDisk = 3;

// Builds surfaces 1..NodeCount+1 from NodeZ/NodeR. False, with "Two points (i-1 and i) merge
// together", when two consecutive nodes coincide (the surfaces before stay as computed). With
// 202 nodes the aperture node lies outside the arrays: ERangeError.
bool PreprocessGeometry(std::string& message);
