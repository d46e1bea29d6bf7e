#pragma once
// A small HTTP server on 127.0.0.1 for the download tests: it listens on a free port the system
// picks, answers each request on a thread of its own from a table of paths (status and body),
// counts the requests per path, and can be told to accept a path's connections and never answer.
// It stops, closing every connection, when destroyed. No network beyond the loopback is used.
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TLoopbackHttpServer {
public:
    TLoopbackHttpServer();
    ~TLoopbackHttpServer();
    TLoopbackHttpServer(const TLoopbackHttpServer&) = delete;
    TLoopbackHttpServer& operator=(const TLoopbackHttpServer&) = delete;

    // What a path answers; a path not in the table answers 404.
    void Serve(const std::string& path, const std::string& body, int status = 200);
    // Connections asking for the path are accepted and left without an answer.
    void Silence(const std::string& path);

    // "http://127.0.0.1:<port>" followed by path.
    std::string Url(const std::string& path) const;
    // Requests received for the path so far.
    int Hits(const std::string& path);

private:
    struct TRoute {
        std::string Body;
        int Status = 200;
        bool Silent = false;
    };
    void Run();
    void Answer(int connection);

    int FListener = -1;
    int FPort = 0;
    std::atomic<bool> FStop{false};
    std::mutex FLock;
    std::map<std::string, TRoute> FRoutes;
    std::map<std::string, int> FHits;
    std::vector<int> FSilentConnections;
    std::thread FThread;
};

// A port on 127.0.0.1 where nobody listens (taken from the system, then let go).
int ClosedLoopbackPort();
