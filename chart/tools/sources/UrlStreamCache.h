#pragma once
// The download of internet addresses with its process-wide cache. An address is downloaded once
// per run: later requests for it, in any letter case, are copied from the kept bytes. Failures,
// HTTP error statuses among them, are never kept, so the next request tries again. The cache is
// locked while it is searched or extended, not during a download, so any thread may read through
// it (two threads asking at once for a new address may both download it; the first kept wins).
//
// ReadUrlCached is the markup texts' image loader (installed by the tools' start-up): besides
// addresses it reads plain file names (and "file://" names) straight from the disk, uncached,
// since a file is cheap to read and may change while the program runs.
#include <memory>
#include <string>

#include "platform/rtl/Streams.h"

class TStream;

// One kept download: the address in upper case and its bytes.
struct TCachedStream {
    std::string URL;
    TMemoryStream Stream;
};

// The name, trimmed and in upper case, holds "HTTP://", "HTTPS://" or "FTP://" anywhere.
bool IsUrlName(const std::string& name);

// Downloads the address into stream from position 0: 0 on success with the position back at 0,
// otherwise the error code (UrlFetchErrorText names it).
int DownloadUrlToStream(const std::string& address, TMemoryStream& stream);
// The text of an error code of the download, without a closing period.
std::string UrlErrorText(int code);

// Writes the content of the address (or file) at destination's position: 0 on success, else the
// error code of the download (or the system's error number for a file).
int ReadUrlCached(const std::string& address, TStream& destination);

// The kept downloads: created by the tools' start-up, emptied and freed by their shutdown; while
// it does not exist ReadUrlCached downloads every time.
void UrlStreamCacheStartup();
void UrlStreamCacheShutdown();
// How many downloads are kept (for tests and diagnostics).
int UrlStreamCacheCount();
