#pragma once
// The program's own resources: the files of resources/ (pictures, bitmaps, cursors), built into
// the program so that it finds them from any folder. A resource is named by its file name without
// the extension, found without regard to letter case, and typed by its extension ("bmp", "jpg",
// "cur").
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TResourceData {
    const char* Name;
    const char* Type;
    const unsigned char* Data;
    size_t Size;
};

// The resource of that name and type (any type when type is empty), or null.
const TResourceData* FindResource(std::string_view name, std::string_view type = {});
// The names of the resources of a type, in the order of their file names.
std::vector<std::string> ResourceNames(std::string_view type);
