// A small HTTP/1.1 server for the bench's live panel (Boost.Beast over
// Asio, header-only, so it builds natively and with MinGW alike). One
// thread: requests and the periodic tick run one at a time, so the
// handler needs no locks. Requests are bounded (8 KiB of header, 64 KiB
// of body, 30 s to arrive); one that cannot be read gets a 400 with a
// one-line reason and the connection is closed.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace bench {

struct HttpRequest {
    std::string method;  // "GET", "POST", ...
    std::string target;  // "/api/state?since=4"
    std::string body;
};

struct HttpResponse {
    int status = 200;
    std::string content_type = "text/plain; charset=utf-8";
    std::string body;
};

struct HttpServerOptions {
    std::string address = "127.0.0.1";
    unsigned short port = 0;  // 0: a free port, chosen by the system
    std::chrono::microseconds tick_interval{0};  // 0: no tick
    std::function<void()> tick;
    // Called once the server listens, with the port it got.
    std::function<void(unsigned short port)> listening;
};

// Serves until SIGINT or SIGTERM. Throws Error when it cannot listen.
void serve_http(const HttpServerOptions& options, const std::function<HttpResponse(const HttpRequest&)>& handler);

}  // namespace bench
