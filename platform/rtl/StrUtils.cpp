#include "platform/rtl/StrUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/rtl/Utf8.h"

namespace {

inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

// Latin Extended-A pairs letters as (upper, lower) on even/odd code points, except two runs
// where the upper case letter sits on the odd one.
bool ExtAUpperIsOdd(char32_t cp) {
    return (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
}
bool ExtAHasCase(char32_t cp) {
    return cp >= 0x100 && cp <= 0x17E && cp != 0x130 && cp != 0x131 && cp != 0x138 && cp != 0x149 &&
           cp != 0x178;
}

char32_t ToUpper(char32_t cp) {
    if (cp < 0x80) return (cp >= 'a' && cp <= 'z') ? cp - 32 : cp;
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 32;
    if (cp == 0xFF) return 0x178;
    if (ExtAHasCase(cp)) {
        const bool isLower = ExtAUpperIsOdd(cp) ? (cp % 2 == 0) : (cp % 2 == 1);
        return isLower ? cp - 1 : cp;
    }
    return cp;
}

char32_t ToLower(char32_t cp) {
    if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;
    if (cp == 0x178) return 0xFF;
    if (ExtAHasCase(cp)) {
        const bool isUpper = ExtAUpperIsOdd(cp) ? (cp % 2 == 1) : (cp % 2 == 0);
        return isUpper ? cp + 1 : cp;
    }
    return cp;
}

template <typename Map>
std::string MapCase(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {  // the common case stays a byte copy
            out += char(map(b));
            ++i;
        } else {
            AppendUtf8(out, map(DecodeUtf8(s, i)));
        }
    }
    return out;
}

int ClampSign(int v) { return (v > 0) - (v < 0); }

size_t NameStart(std::string_view fileName) {
    const auto slash = fileName.rfind(PathDelim);
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// Index of the extension's dot in the name part, npos when there is none.
size_t ExtDot(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot < NameStart(fileName)) return std::string_view::npos;
    return dot;
}

}  // namespace

std::string TrimLeft(std::string_view s) {
    size_t b = 0;
    while (b < s.size() && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    size_t e = s.size();
    while (e > 0 && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(0, e));
}

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(b, e - b));
}

std::string UpperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = AsciiUpper(c);
    return out;
}

std::string LowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

std::string AnsiUpperCase(std::string_view s) { return MapCase(s, ToUpper); }
std::string AnsiLowerCase(std::string_view s) { return MapCase(s, ToLower); }

int CompareStr(std::string_view a, std::string_view b) { return ClampSign(a.compare(b)); }

int CompareText(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(AsciiUpper(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiUpper(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return ClampSign(int(a.size() > b.size()) - int(a.size() < b.size()));
}

int AnsiCompareText(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ba = static_cast<unsigned char>(a[i]), bb = static_cast<unsigned char>(b[j]);
        if ((ba | bb) < 0x80) {  // both ASCII: no decoding needed
            const auto la = static_cast<unsigned char>(AsciiLower(char(ba)));
            const auto lb = static_cast<unsigned char>(AsciiLower(char(bb)));
            if (la != lb) return la < lb ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const char32_t ca = ToLower(DecodeUtf8(a, i));
        const char32_t cb = ToLower(DecodeUtf8(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return int(i < a.size()) - int(j < b.size());
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}
bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }

int Pos(std::string_view sub, std::string_view s) {
    if (sub.empty()) return 0;
    const auto p = s.find(sub);
    return p == std::string_view::npos ? 0 : int(p) + 1;
}

std::string Copy(std::string_view s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || size_t(index) > s.size()) return {};
    return std::string(s.substr(size_t(index - 1), size_t(count)));
}

std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(s);
    const bool ignoreCase = flags & rfIgnoreCase;
    auto matchesAt = [&](size_t i) {
        if (!ignoreCase) return s.compare(i, oldPattern.size(), oldPattern) == 0;
        for (size_t k = 0; k < oldPattern.size(); ++k)
            if (AsciiUpper(s[i + k]) != AsciiUpper(oldPattern[k])) return false;
        return true;
    };
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i + oldPattern.size() <= s.size()) {
        if (matchesAt(i)) {
            out += newPattern;
            i += oldPattern.size();
            if (!(flags & rfReplaceAll)) break;
        } else {
            out += s[i++];
        }
    }
    out += s.substr(i);
    return out;
}

std::string AnsiQuotedStr(std::string_view s, char quote) {
    std::string out;
    out.reserve(s.size() + 2);
    out += quote;
    for (char c : s) {
        out += c;
        if (c == quote) out += quote;
    }
    out += quote;
    return out;
}

std::string QuotedStr(std::string_view s) { return AnsiQuotedStr(s, '\''); }

std::string AnsiExtractQuotedStr(std::string_view s, size_t& pos, char quote) {
    if (pos >= s.size() || s[pos] != quote) return {};
    std::string out;
    size_t i = pos + 1;
    while (i < s.size()) {
        if (s[i] == quote) {
            if (i + 1 < s.size() && s[i + 1] == quote) {
                out += quote;
                i += 2;
                continue;
            }
            ++i;  // the closing quote
            break;
        }
        out += s[i++];
    }
    pos = i;
    return out;
}

std::string ExtractFileExt(std::string_view fileName) {
    const auto dot = ExtDot(fileName);
    return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view ext) {
    const auto dot = ExtDot(fileName);
    std::string out(fileName.substr(0, dot == std::string_view::npos ? fileName.size() : dot));
    out += ext;
    return out;
}

std::string ExtractFilePath(std::string_view fileName) {
    return std::string(fileName.substr(0, NameStart(fileName)));
}

std::string ExtractFileName(std::string_view fileName) {
    return std::string(fileName.substr(NameStart(fileName)));
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != PathDelim) out += PathDelim;
    return out;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    // The root folder keeps its delimiter: "/" is not the empty path.
    if (out.size() > 1 && out.back() == PathDelim) out.pop_back();
    return out;
}

bool FileExists(const std::string& fileName) {
    struct stat st;
    return !fileName.empty() && ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& dir) {
    struct stat st;
    return !dir.empty() && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& dir) {
    if (dir.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return DirectoryExists(dir);
}

bool DeleteFile(const std::string& fileName) {
    struct stat st;
    if (fileName.empty() || ::lstat(fileName.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    return ::unlink(fileName.c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
    if (oldName.empty() || newName.empty()) return false;
    // Never replace an existing file silently.
    if (::renameat2(AT_FDCWD, oldName.c_str(), AT_FDCWD, newName.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the no-replace flag: check, then rename.
    struct stat st;
    if (::lstat(newName.c_str(), &st) == 0) return false;
    return ::rename(oldName.c_str(), newName.c_str()) == 0;
}
