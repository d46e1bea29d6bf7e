#pragma once
// Whole-file reads and atomic whole-file writes, for the database files and the chart's exports.
// A save goes to a temporary file in the same folder that then replaces the old file by rename,
// so a failed save (full disk, missing folder, no permission) leaves the old file as it was.
#include <functional>
#include <string>
#include <string_view>

class TStream;

// The file's bytes; raises EFOpenError when it cannot be opened and EReadError when reading fails.
std::string LoadFileBytes(const std::string& fileName);
// Replaces the file with the bytes; raises EFCreateError or EWriteError and leaves no temporary
// file behind when it fails.
void SaveFileAtomic(const std::string& fileName, std::string_view bytes);
// Has write build the whole content in memory first, then saves it as above: content that cannot
// be made (write raises) leaves the file untouched, not created, emptied or cut short.
void SaveFileAtomic(const std::string& fileName, const std::function<void(TStream&)>& write);
