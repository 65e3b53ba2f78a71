#include "tools/bench/http_server.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <memory>
#include <optional>

#include "tools/bench/errors.h"

namespace bench {

namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Handler = std::function<HttpResponse(const HttpRequest&)>;

constexpr std::uint32_t header_limit = 8 * 1024;
constexpr std::uint64_t body_limit = 64 * 1024;
constexpr auto read_timeout = std::chrono::seconds(30);

class Connection : public std::enable_shared_from_this<Connection> {
public:
    Connection(tcp::socket socket, const Handler& handler) : stream_(std::move(socket)), handler_(handler) {}

    void read() {
        parser_.emplace();
        parser_->header_limit(header_limit);
        parser_->body_limit(body_limit);
        stream_.expires_after(read_timeout);
        http::async_read(stream_, buffer_, *parser_,
                         [self = shared_from_this()](beast::error_code ec, std::size_t) { self->on_read(ec); });
    }

private:
    void on_read(beast::error_code ec) {
        if (ec == http::error::end_of_stream || ec == beast::error::timeout || ec == asio::error::operation_aborted ||
            ec == asio::error::connection_reset)
            return close();
        if (ec) {
            std::string why = ec.message();
            if (ec == http::error::body_limit) why = "body over " + std::to_string(body_limit) + " bytes";
            if (ec == http::error::header_limit) why = "header over " + std::to_string(header_limit) + " bytes";
            return write(HttpResponse{.status = 400, .body = "bad request: " + why + "\n"}, 11, false);
        }
        const auto& request = parser_->get();
        HttpResponse out;
        try {
            out = handler_(HttpRequest{std::string(request.method_string()), std::string(request.target()), request.body()});
        } catch (const std::exception& e) {
            out = HttpResponse{.status = 500, .body = std::string("internal error: ") + e.what() + "\n"};
        }
        write(out, request.version(), request.keep_alive());
    }

    void write(const HttpResponse& out, unsigned version, bool keep_alive) {
        response_ = {};
        response_.version(version);
        response_.result(static_cast<http::status>(out.status));
        response_.set(http::field::server, "gaugebench");
        response_.set(http::field::content_type, out.content_type);
        response_.set(http::field::cache_control, "no-store");
        response_.body() = out.body;
        response_.keep_alive(keep_alive);
        response_.prepare_payload();
        stream_.expires_after(read_timeout);  // a client that does not read is dropped too
        http::async_write(stream_, response_, [self = shared_from_this(), keep_alive](beast::error_code ec, std::size_t) {
            if (ec || !keep_alive) return self->close();
            self->read();
        });
    }

    void close() {
        beast::error_code ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
        stream_.close();
    }

    beast::tcp_stream stream_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    http::response<http::string_body> response_;
    const Handler& handler_;
};

void accept(tcp::acceptor& acceptor, const Handler& handler) {
    acceptor.async_accept([&acceptor, &handler](beast::error_code ec, tcp::socket socket) {
        if (ec == asio::error::operation_aborted) return;
        if (!ec) {
            std::make_shared<Connection>(std::move(socket), handler)->read();
            return accept(acceptor, handler);
        }
        // Out of descriptors, say: try again shortly rather than spin.
        auto pause = std::make_shared<asio::steady_timer>(acceptor.get_executor(), std::chrono::milliseconds(100));
        pause->async_wait([pause, &acceptor, &handler](beast::error_code) { accept(acceptor, handler); });
    });
}

void schedule(asio::steady_timer& timer, const HttpServerOptions& options) {
    timer.expires_at(timer.expiry() + options.tick_interval);
    timer.async_wait([&timer, &options](beast::error_code ec) {
        if (ec) return;
        options.tick();
        schedule(timer, options);
    });
}

}  // namespace

void serve_http(const HttpServerOptions& options, const Handler& handler) {
    asio::io_context io;
    beast::error_code ec;
    const std::string where = options.address + ":" + std::to_string(options.port);
    const asio::ip::address address = asio::ip::make_address(options.address, ec);
    if (ec) throw Error("serve: bad address \"" + options.address + "\" (" + ec.message() + ")");
    tcp::acceptor acceptor(io);
    const tcp::endpoint endpoint(address, options.port);
    if (acceptor.open(endpoint.protocol(), ec); !ec) acceptor.set_option(asio::socket_base::reuse_address(true), ec);
    if (!ec) acceptor.bind(endpoint, ec);
    if (!ec) acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) throw Error("serve: cannot listen on " + where + " (" + ec.message() + ")");

    asio::signal_set signals(io, SIGINT, SIGTERM);
    signals.async_wait([&io](beast::error_code, int) { io.stop(); });
    accept(acceptor, handler);
    asio::steady_timer timer(io);
    if (options.tick && options.tick_interval.count() > 0) {
        timer.expires_after(std::chrono::seconds(0));
        schedule(timer, options);
    }
    if (options.listening) options.listening(acceptor.local_endpoint().port());
    io.run();
}

}  // namespace bench
