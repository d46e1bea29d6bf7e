#pragma once
// Whole-file reads and atomic whole-file writes for the database files. A save goes to a
// temporary file in the same folder that then replaces the old file by rename, so a failed save
// (full disk, missing folder, no permission) leaves the old file as it was.
#include <string>
#include <string_view>

// The file's bytes; raises EFOpenError when it cannot be opened and EReadError when reading fails.
std::string LoadFileBytes(const std::string& fileName);
// Replaces the file with the bytes; raises EFCreateError or EWriteError and leaves no temporary
// file behind when it fails.
void SaveFileAtomic(const std::string& fileName, std::string_view bytes);
