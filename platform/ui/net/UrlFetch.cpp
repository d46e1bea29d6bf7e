// The fetch runs a private event loop on the calling thread around one request of a network
// manager made for it, so that callers on any thread get a plain blocking call; the loop ends on
// the reply's end or on the inactivity timer, which the arrival of data restarts.
#include "platform/ui/net/UrlFetch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <cctype>
#include <memory>
#include <vector>

#include "platform/rtl/Streams.h"

namespace {

std::atomic<int> TimeoutMs{30000};
constexpr qint64 ChunkSize = 128 * 1024;

// The scheme in lower case: the toolkit knows "http", not "HTTP".
QUrl UrlOf(const std::string& address) {
    std::string text = address;
    const size_t start = text.find_first_not_of(" \t\r\n");
    const size_t end = text.find_last_not_of(" \t\r\n");
    text = start == std::string::npos ? std::string() : text.substr(start, end - start + 1);
    const size_t colon = text.find("://");
    if (colon != std::string::npos)
        for (size_t i = 0; i < colon; ++i)
            text[i] = char(std::tolower(static_cast<unsigned char>(text[i])));
    return QUrl(QString::fromStdString(text), QUrl::StrictMode);
}

// Appends what the reply holds, chunk by chunk.
void Drain(QNetworkReply& reply, TStream& destination, std::vector<char>& buffer) {
    while (reply.bytesAvailable() > 0) {
        const qint64 n = reply.read(buffer.data(), ChunkSize);
        if (n <= 0) break;
        destination.Write(buffer.data(), n);
    }
}

}  // namespace

int UrlFetchTimeout() { return TimeoutMs.load(); }
void SetUrlFetchTimeout(int milliseconds) { TimeoutMs.store(milliseconds > 0 ? milliseconds : 1); }

int FetchUrl(const std::string& address, TStream& destination) {
    if (!QCoreApplication::instance()) return UrlFetchNoApplication;
    const QUrl url = UrlOf(address);
    QNetworkAccessManager manager;
    manager.setAutoDeleteReplies(false);
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", "Tee");
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    const int64_t start = destination.Position();
    std::vector<char> buffer(ChunkSize);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    bool timedOut = false;
    // Named handlers: the debug information must name each slot type once.
    struct TIdleTimeout {
        bool* TimedOut;
        QEventLoop* Loop;
        void operator()() const {
            *TimedOut = true;
            Loop->quit();
        }
    };
    struct TChunkArrived {
        QTimer* Idle;
        QNetworkReply* Reply;
        TStream* Destination;
        std::vector<char>* Buffer;
        void operator()() const {
            Idle->start(UrlFetchTimeout());
            Drain(*Reply, *Destination, *Buffer);
        }
    };
    QObject::connect(&idle, &QTimer::timeout, &loop, TIdleTimeout{&timedOut, &loop});
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop,
                     TChunkArrived{&idle, reply.get(), &destination, &buffer});
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    idle.start(UrlFetchTimeout());
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    idle.stop();

    int code = 0;
    if (timedOut) {
        reply->abort();
        code = UrlFetchTimedOut;
    } else {
        Drain(*reply, destination, buffer);
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid() && status.toInt() >= 400)
            code = status.toInt();
        else if (reply->error() != QNetworkReply::NoError)
            code = int(reply->error());
    }
    if (code != 0) destination.SetSize(start);
    destination.SetPosition(start);
    return code;
}

std::string UrlFetchErrorText(int code) {
    if (code == 0) return {};
    if (code >= 400 && code <= 599)
        return "The server answered with HTTP status " + std::to_string(code);
    switch (code) {
        case UrlFetchNoApplication:
            return "No application object to run the transfer";
        case QNetworkReply::ConnectionRefusedError:
            return "The server refused the connection";
        case QNetworkReply::RemoteHostClosedError:
            return "The server closed the connection";
        case QNetworkReply::HostNotFoundError:
            return "The server name was not found";
        case UrlFetchTimedOut:
            return "The server did not answer in time";
        case QNetworkReply::SslHandshakeFailedError:
            return "The secure connection could not be set up";
        case QNetworkReply::ProtocolUnknownError:
            return "The address names a protocol that cannot be fetched";
        case QNetworkReply::ProtocolInvalidOperationError:
        case QNetworkReply::ProtocolFailure:
            return "The server's answer broke the protocol";
        case QNetworkReply::ContentNotFoundError:
            return "The address was not found on the server";
        default:
            return "Network error " + std::to_string(code);
    }
}
