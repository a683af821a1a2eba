// A crowd of live results clients for tools/live-load.sh: many kept-alive connections spread
// over loopback source addresses (the server lets one address hold only a few), each polling
// its page's JSON as the pages do, or getting a whole list again and again. Prints the requests,
// the errors and the latency percentiles.
//
//   live_crowd HOST PORT CLIENTS SECONDS poll|full PATH...
//
// poll: every client sends If-None-Match with the tag it last got, 5 s apart (its first request at
// a random moment of the first 5 s); full: every client asks again as soon as an answer is whole.
#include <algorithm>
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

// Fewer than the server's share per address, so no client is refused for its address.
constexpr int ClientsPerAddress = 16;
constexpr auto PollInterval = std::chrono::seconds(5);
constexpr auto AnswerTimeout = std::chrono::seconds(10);

struct Totals
{
    long requests = 0;
    long notModified = 0;
    long errors = 0;
    long bytes = 0;
    std::vector<double> latencyMs;
};

class Client : public std::enable_shared_from_this<Client>
{
public:
    Client(asio::io_context &io, tcp::endpoint server, asio::ip::address source, bool poll,
        std::string path, Totals &totals, Clock::time_point end)
        : m_io(io)
        , m_server(server)
        , m_source(source)
        , m_poll(poll)
        , m_path(std::move(path))
        , m_totals(totals)
        , m_end(end)
        , m_timer(io)
        , m_socket(io)
    { }

    void start(Clock::duration firstDelay)
    {
        m_timer.expires_after(firstDelay);
        m_timer.async_wait([self = shared_from_this()](beast::error_code) { self->connect(); });
    }

private:
    void connect()
    {
        if (Clock::now() >= m_end)
            return;
        beast::error_code ec;
        m_socket = tcp::socket(m_io);
        m_socket.open(tcp::v4(), ec);
        m_socket.bind(tcp::endpoint(m_source, 0), ec);
        if (ec) {
            fail();
            return;
        }
        m_socket.async_connect(m_server, [self = shared_from_this()](beast::error_code error) {
            if (error)
                self->fail();
            else
                self->send();
        });
    }

    void send()
    {
        if (Clock::now() >= m_end) {
            beast::error_code ignored;
            m_socket.close(ignored);
            return;
        }
        m_request = {http::verb::get, m_path, 11};
        m_request.set(http::field::host, "127.0.0.1");
        m_request.set(http::field::accept_encoding, "gzip, deflate, br");
        if (m_poll && !m_etag.empty())
            m_request.set(http::field::if_none_match, m_etag);
        m_parser.emplace();
        m_parser->body_limit(64 * 1024 * 1024);
        m_sent = Clock::now();
        m_timer.expires_after(AnswerTimeout);
        m_timer.async_wait([self = shared_from_this()](beast::error_code ec) {
            if (!ec)
                self->m_socket.close(ec);
        });
        http::async_write(
            m_socket, m_request, [self = shared_from_this()](beast::error_code ec, std::size_t) {
                if (ec)
                    self->fail();
                else
                    self->receive();
            });
    }

    void receive()
    {
        http::async_read(m_socket, m_buffer, *m_parser,
            [self = shared_from_this()](beast::error_code ec, std::size_t bytes) {
                self->m_timer.cancel();
                self->received(ec, bytes);
            });
    }

    void received(beast::error_code ec, std::size_t bytes)
    {
        const auto &response = m_parser->get();
        if (ec || (response.result_int() != 200 && response.result_int() != 304)) {
            fail();
            return;
        }
        ++m_totals.requests;
        m_totals.bytes += long(bytes);
        if (response.result_int() == 304)
            ++m_totals.notModified;
        m_totals.latencyMs.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - m_sent).count());
        if (response.count(http::field::etag))
            m_etag = std::string(response[http::field::etag]);
        if (!response.keep_alive()) {
            beast::error_code ignored;
            m_socket.close(ignored);
            connect();
            return;
        }
        if (!m_poll) {
            send();
            return;
        }
        m_timer.expires_after(PollInterval);
        m_timer.async_wait([self = shared_from_this()](beast::error_code e) {
            if (!e)
                self->send();
        });
    }

    void fail()
    {
        if (Clock::now() >= m_end)
            return;
        ++m_totals.errors;
        beast::error_code ignored;
        m_socket.close(ignored);
        m_buffer.clear();
        m_timer.expires_after(std::chrono::seconds(1));
        m_timer.async_wait([self = shared_from_this()](beast::error_code ec) {
            if (!ec)
                self->connect();
        });
    }

    asio::io_context &m_io;
    tcp::endpoint m_server;
    asio::ip::address m_source;
    bool m_poll;
    std::string m_path;
    Totals &m_totals;
    Clock::time_point m_end;
    asio::steady_timer m_timer;
    tcp::socket m_socket;
    beast::flat_buffer m_buffer;
    http::request<http::empty_body> m_request;
    std::optional<http::response_parser<http::string_body>> m_parser;
    Clock::time_point m_sent;
    std::string m_etag;
};

double percentile(std::vector<double> &values, double p)
{
    if (values.empty())
        return 0;
    const auto k = std::size_t(p / 100.0 * double(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + long(k), values.end());
    return values[k];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 7) {
        std::fprintf(stderr, "usage: live_crowd HOST PORT CLIENTS SECONDS poll|full PATH...\n");
        return 2;
    }
    const tcp::endpoint server(asio::ip::make_address(argv[1]), std::uint16_t(std::atoi(argv[2])));
    const int clients = std::atoi(argv[3]);
    const int seconds = std::atoi(argv[4]);
    const bool poll = std::string(argv[5]) == "poll";
    std::vector<std::string> paths(argv + 6, argv + argc);

    asio::io_context io(1);
    Totals totals;
    const Clock::time_point end = Clock::now() + std::chrono::seconds(seconds);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> spread(0, 4999);
    for (int i = 0; i < clients; ++i) {
        const int a = i / ClientsPerAddress;
        const asio::ip::address_v4 source(asio::ip::address_v4::bytes_type{
            127, 1, std::uint8_t(a / 250), std::uint8_t(a % 250 + 1)});
        auto client = std::make_shared<Client>(
            io, server, source, poll, paths[std::size_t(i) % paths.size()], totals, end);
        client->start(
            poll ? std::chrono::milliseconds(spread(random)) : std::chrono::milliseconds(0));
    }
    io.run_until(end + std::chrono::seconds(2));

    std::printf("%d clients (%d per source address), %d s, %s: %ld answers (%ld not modified), "
                "%.0f/s, %.1f MB, %ld errors\n",
        clients, ClientsPerAddress, seconds, poll ? "conditional polls 5 s apart" : "full GETs",
        totals.requests, totals.notModified, double(totals.requests) / seconds,
        double(totals.bytes) / 1e6, totals.errors);
    std::printf("latency ms: p50 %.1f  p90 %.1f  p99 %.1f  max %.1f\n",
        percentile(totals.latencyMs, 50), percentile(totals.latencyMs, 90),
        percentile(totals.latencyMs, 99), percentile(totals.latencyMs, 100));
    return totals.errors == 0 ? 0 : 1;
}
