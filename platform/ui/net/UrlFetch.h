#pragma once
// Fetching the whole content of an internet address ("http://", "https://", in any letter case)
// into a stream, synchronously, on the calling thread, from any thread. Each fetch asks the
// server for fresh content and keeps nothing in any shared cache. The answer is a number:
//   0        success, the stream holds the body (possibly empty) from its start;
//   400..599 the server's HTTP error status (the error page is not kept);
//   other    a transfer error (UrlFetchErrorText names it); UrlFetchTimedOut when the server
//            sent nothing for the timeout; UrlFetchNoApplication without the toolkit's
//            application object, which the transfers need.
// The body is read in chunks of 128 KB.
#include <string>

class TStream;

inline constexpr int UrlFetchTimedOut = 4;
inline constexpr int UrlFetchNoApplication = -1;

int FetchUrl(const std::string& address, TStream& destination);
// The text of a FetchUrl answer, without a closing period; empty for 0.
std::string UrlFetchErrorText(int code);

// Milliseconds a transfer may go without receiving anything before it is given up; 30 seconds
// unless set. Shared by every thread.
int UrlFetchTimeout();
void SetUrlFetchTimeout(int milliseconds);
