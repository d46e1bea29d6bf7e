#pragma once
// String and file-name helpers of the runtime. Strings are UTF-8 in memory; positions and
// lengths are in bytes, 1-based where the routine's callers count that way (Pos, Copy).
#include <string>
#include <string_view>

// Blanks and control characters (every byte <= ' ') are trimmed.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// ASCII letters only; other bytes are kept as they are.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Letters of the Latin ranges (ASCII, Latin-1, Latin Extended-A) change case; everything else,
// including malformed UTF-8, is copied unchanged.
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);

// Comparisons return < 0, 0 or > 0. CompareStr is byte-wise; CompareText ignores ASCII case;
// AnsiCompareText ignores case for the letters AnsiUpperCase knows, comparing code points.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);

// 1-based byte position of the first occurrence of sub in s; 0 when absent or sub is empty.
int Pos(std::string_view sub, std::string_view s);
// count bytes from the 1-based index; an index below 1 counts from 1, and both ends are clamped
// to the string, so an out-of-range request gives a shorter or empty result.
std::string Copy(std::string_view s, int index, int count);

using TReplaceFlags = unsigned;
inline constexpr TReplaceFlags rfReplaceAll = 1;
inline constexpr TReplaceFlags rfIgnoreCase = 2;
// Replaces the first (or every, with rfReplaceAll) occurrence of oldPattern. rfIgnoreCase
// matches ASCII letters without regard to case. An empty pattern changes nothing.
std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags = 0);

// s between quote characters, with every quote inside doubled: O'Neil -> 'O''Neil'.
std::string QuotedStr(std::string_view s);
std::string AnsiQuotedStr(std::string_view s, char quote);
// Reads a quoted string that starts at s[pos] (which must be the quote): doubled quotes become
// one, the text ends at the closing quote or at the end of s. pos is left after the closing
// quote. When s[pos] is not the quote, returns an empty string and leaves pos alone.
std::string AnsiExtractQuotedStr(std::string_view s, size_t& pos, char quote);

// File names use '/' as the path delimiter.
inline constexpr char PathDelim = '/';
// The extension with its dot ("" when the name part has no dot).
std::string ExtractFileExt(std::string_view fileName);
// Replaces the extension (or appends one); ext includes the dot, or is empty to remove it.
std::string ChangeFileExt(std::string_view fileName, std::string_view ext);
// The folder part with its trailing delimiter ("" when there is none).
std::string ExtractFilePath(std::string_view fileName);
std::string ExtractFileName(std::string_view fileName);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);

// A regular file (or a link to one); folders are not files.
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& dir);
// Creates the folder and every missing parent; true when the folder exists afterwards.
bool ForceDirectories(const std::string& dir);
// Removes a file (not a folder); false when it could not.
bool DeleteFile(const std::string& fileName);
// Renames or moves a file; false when it could not or the new name already exists.
bool RenameFile(const std::string& oldName, const std::string& newName);
