#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

int BoundLoopbackSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) throw std::runtime_error("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        throw std::runtime_error("bind");
    }
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

void SendAll(int fd, const std::string& data) {
    size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += size_t(n);
    }
}

}  // namespace

int ClosedLoopbackPort() {
    int port = 0;
    ::close(BoundLoopbackSocket(port));
    return port;
}

TLoopbackHttpServer::TLoopbackHttpServer() {
    FListener = BoundLoopbackSocket(FPort);
    ::listen(FListener, 16);
    FThread = std::thread([this] { Run(); });
}

TLoopbackHttpServer::~TLoopbackHttpServer() {
    FStop = true;
    FThread.join();
    for (int fd : FSilentConnections) ::close(fd);
    ::close(FListener);
}

void TLoopbackHttpServer::Serve(const std::string& path, const std::string& body, int status) {
    std::lock_guard<std::mutex> guard(FLock);
    FRoutes[path] = TRoute{body, status, false};
}

void TLoopbackHttpServer::Silence(const std::string& path) {
    std::lock_guard<std::mutex> guard(FLock);
    FRoutes[path] = TRoute{{}, 0, true};
}

std::string TLoopbackHttpServer::Url(const std::string& path) const {
    std::string url = "http://127.0.0.1:";
    url.append(std::to_string(FPort)).append(path);
    return url;
}

int TLoopbackHttpServer::Hits(const std::string& path) {
    std::lock_guard<std::mutex> guard(FLock);
    return FHits[path];
}

void TLoopbackHttpServer::Run() {
    while (!FStop) {
        pollfd waiting{FListener, POLLIN, 0};
        if (::poll(&waiting, 1, 20) <= 0) continue;
        const int connection = ::accept(FListener, nullptr, nullptr);
        if (connection >= 0) Answer(connection);
    }
}

// One request a connection; the request line's path picks the answer.
void TLoopbackHttpServer::Answer(int connection) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        pollfd waiting{connection, POLLIN, 0};
        if (::poll(&waiting, 1, 2000) <= 0) break;
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, size_t(n));
    }
    const size_t start = request.find(' ');
    const size_t end = start == std::string::npos ? start : request.find(' ', start + 1);
    const std::string path =
        end == std::string::npos ? std::string() : request.substr(start + 1, end - start - 1);
    TRoute route{"Not here", 404, false};
    {
        std::lock_guard<std::mutex> guard(FLock);
        ++FHits[path];
        if (auto it = FRoutes.find(path); it != FRoutes.end()) route = it->second;
        if (route.Silent) {
            FSilentConnections.push_back(connection);
            return;
        }
    }
    std::string answer = "HTTP/1.1 ";
    answer.append(std::to_string(route.Status)).append(route.Status < 400 ? " OK" : " Failed");
    answer.append("\r\nContent-Type: application/octet-stream\r\nContent-Length: ");
    answer.append(std::to_string(route.Body.size())).append("\r\nConnection: close\r\n\r\n");
    answer.append(route.Body);
    SendAll(connection, answer);
    ::shutdown(connection, SHUT_WR);
    ::close(connection);
}
