#include "chart/tools/sources/UrlStreamCache.h"

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <vector>

#include "platform/rtl/StrUtils.h"
#include "platform/ui/net/UrlFetch.h"

namespace {

struct TUrlCache {
    std::mutex Lock;
    std::vector<std::unique_ptr<TCachedStream>> Entries;
};

std::mutex CacheLifeLock;
std::shared_ptr<TUrlCache> Cache;

std::shared_ptr<TUrlCache> CurrentCache() {
    std::lock_guard<std::mutex> guard(CacheLifeLock);
    return Cache;
}

void CopyAll(TMemoryStream& source, TStream& destination) {
    if (source.Size() > 0) destination.Write(source.Memory(), source.Size());
}

// A plain or "file://" name read from the disk; errno when it cannot be read.
int ReadLocalFile(std::string name, TStream& destination) {
    if (UpperCase(name.substr(0, 7)) == "FILE://") name.erase(0, 7);
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return errno != 0 ? errno : ENOENT;
    std::vector<char> buffer(64 * 1024);
    int result = 0;
    for (;;) {
        const size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        if (n > 0) destination.Write(buffer.data(), int64_t(n));
        if (n < buffer.size()) {
            if (std::ferror(file)) result = errno != 0 ? errno : EIO;
            break;
        }
    }
    std::fclose(file);
    return result;
}

}  // namespace

bool IsUrlName(const std::string& name) {
    const std::string upper = UpperCase(Trim(name));
    return upper.find("HTTP://") != std::string::npos ||
           upper.find("HTTPS://") != std::string::npos || upper.find("FTP://") != std::string::npos;
}

int DownloadUrlToStream(const std::string& address, TMemoryStream& stream) {
    stream.SetPosition(0);
    return FetchUrl(address, stream);
}

std::string UrlErrorText(int code) { return UrlFetchErrorText(code); }

int ReadUrlCached(const std::string& address, TStream& destination) {
    if (!IsUrlName(address)) return ReadLocalFile(Trim(address), destination);
    const std::string key = UpperCase(address);
    const std::shared_ptr<TUrlCache> cache = CurrentCache();
    if (cache) {
        std::lock_guard<std::mutex> guard(cache->Lock);
        for (const auto& entry : cache->Entries)
            if (entry->URL == key) {
                CopyAll(entry->Stream, destination);
                return 0;
            }
    }
    auto entry = std::make_unique<TCachedStream>();
    entry->URL = key;
    // The address as given: only the cache key is in capitals.
    const int result = DownloadUrlToStream(address, entry->Stream);
    if (result != 0) return result;
    CopyAll(entry->Stream, destination);
    if (cache) {
        std::lock_guard<std::mutex> guard(cache->Lock);
        cache->Entries.push_back(std::move(entry));
    }
    return 0;
}

void UrlStreamCacheStartup() {
    std::lock_guard<std::mutex> guard(CacheLifeLock);
    if (!Cache) Cache = std::make_shared<TUrlCache>();
}

void UrlStreamCacheShutdown() {
    std::shared_ptr<TUrlCache> old;
    {
        std::lock_guard<std::mutex> guard(CacheLifeLock);
        old.swap(Cache);
    }
    if (!old) return;
    std::lock_guard<std::mutex> guard(old->Lock);
    old->Entries.clear();
}

int UrlStreamCacheCount() {
    const std::shared_ptr<TUrlCache> cache = CurrentCache();
    if (!cache) return 0;
    std::lock_guard<std::mutex> guard(cache->Lock);
    return int(cache->Entries.size());
}
