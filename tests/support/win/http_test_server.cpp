#include "support/win/http_test_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <chrono>

namespace pelmora::test {
namespace {

using Clock = std::chrono::steady_clock;

// Every loop of the server is bounded, so a test that goes wrong cannot keep it busy forever.
constexpr auto kConnectionLifetime = std::chrono::seconds(60);
constexpr std::size_t kMaxRequestHead = 64 * 1024;
constexpr std::size_t kMaxEndlessBytes = 256u * 1024 * 1024;
constexpr std::size_t kNoiseBytes = 1024 * 1024;

struct WinsockSession {
  WinsockSession() {
    WSADATA data;
    ok = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }
  ~WinsockSession() {
    if (ok) WSACleanup();
  }
  bool ok;
};

SOCKET AsSocket(std::uintptr_t s) { return static_cast<SOCKET>(s); }

// Waits up to `ms` for the socket to become readable (or writable); false on time-out or error.
bool WaitFor(SOCKET s, bool forWriting, int ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval tv{ms / 1000, (ms % 1000) * 1000};
  const int r = forWriting ? select(0, nullptr, &set, nullptr, &tv) : select(0, &set, nullptr, nullptr, &tv);
  return r > 0;
}

SOCKET OpenListener(unsigned short& port) {
  port = 0;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return s;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int length = sizeof(address);
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || listen(s, 8) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  port = ntohs(address.sin_port);
  return s;
}

}  // namespace

HttpTestServer::HttpTestServer(Behaviour behaviour, std::string body, std::string contentType)
    : HttpTestServer(std::vector<Route>{{"", behaviour, std::move(body), std::move(contentType)}}) {}

HttpTestServer::HttpTestServer(std::vector<Route> routes) : routes_(std::move(routes)) {
  static WinsockSession winsock;
  listener_ = static_cast<std::uintptr_t>(OpenListener(port_));
  if (port_ != 0) thread_ = std::thread([this] { Run(); });
}

HttpTestServer::~HttpTestServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (AsSocket(listener_) != INVALID_SOCKET) closesocket(AsSocket(listener_));
}

std::wstring HttpTestServer::Url(const std::wstring& path) const {
  return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
}

std::vector<std::string> HttpTestServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

bool HttpTestServer::WaitForRequests(std::size_t count, unsigned ms) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return requestArrived_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return requests_.size() >= count; });
}

void HttpTestServer::Run() {
  while (!stop_) {
    if (!WaitFor(AsSocket(listener_), false, 50)) continue;
    SOCKET connection = accept(AsSocket(listener_), nullptr, nullptr);
    if (connection == INVALID_SOCKET) continue;
    connections_.emplace_back([this, connection] {
      Handle(static_cast<std::uintptr_t>(connection));
      closesocket(connection);
    });
  }
  for (std::thread& t : connections_) t.join();
}

bool HttpTestServer::SendAll(std::uintptr_t connection, const char* data, std::size_t size) {
  const SOCKET s = AsSocket(connection);
  const auto deadline = Clock::now() + kConnectionLifetime;
  while (size > 0) {
    if (stop_ || Clock::now() > deadline) return false;
    if (!WaitFor(s, true, 50)) continue;
    const int sent = send(s, data, static_cast<int>(size < 65536 ? size : 65536), 0);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

void HttpTestServer::Handle(std::uintptr_t connection) {
  const SOCKET s = AsSocket(connection);
  const auto deadline = Clock::now() + kConnectionLifetime;

  // The request head, up to its empty line.
  std::string head;
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequestHead) {
    if (stop_ || Clock::now() > deadline) return;
    if (!WaitFor(s, false, 50)) continue;
    char buffer[4096];
    const int got = recv(s, buffer, sizeof(buffer), 0);
    if (got <= 0) return;
    head.append(buffer, static_cast<std::size_t>(got));
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(head.substr(0, head.find("\r\n\r\n") + 2));
  }
  requestArrived_.notify_all();

  const std::size_t pathStart = head.find(' ') + 1;
  const std::string path = head.substr(pathStart, head.find(' ', pathStart) - pathStart);
  static const Route kNotFound{"", Behaviour::Serve, "<html><title>404 Not Found</title></html>", "text/html", 404};
  const Route* route = &kNotFound;
  for (const Route& r : routes_) {
    if (r.path.empty() || r.path == path) {
      route = &r;
      break;
    }
  }
  const std::string& body = route->body;
  const std::string& contentType = route->contentType;
  auto header = [&](bool withLength) {
    std::string h = "HTTP/1.1 " + std::to_string(route->status) + (route->status < 300 ? " OK" : " Other") +
                    "\r\nContent-Type: " + contentType + "\r\n" + route->headers;
    if (withLength) h += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    return h + "Connection: close\r\n\r\n";
  };

  switch (route->behaviour) {
    case Behaviour::Serve: {
      const std::string response = header(true) + body;
      SendAll(connection, response.data(), response.size());
      break;
    }
    case Behaviour::NeverAnswer:
      // Hold the connection open until the client gives up or the test ends.
      while (!stop_ && Clock::now() < deadline) {
        if (WaitFor(s, false, 50)) {
          char buffer[512];
          if (recv(s, buffer, sizeof(buffer), 0) <= 0) break;
        }
      }
      break;
    case Behaviour::EndlessBody: {
      std::string start = header(false) + body;
      if (!SendAll(connection, start.data(), start.size())) break;
      std::string filler;
      while (filler.size() < 16384) filler += "<p>more and more of the page</p>\n";
      std::size_t sent = 0;
      while (sent < kMaxEndlessBytes && SendAll(connection, filler.data(), filler.size())) sent += filler.size();
      break;
    }
    case Behaviour::CloseHalfWay: {
      const std::string response = header(true) + body.substr(0, body.size() / 2);
      SendAll(connection, response.data(), response.size());
      break;
    }
    case Behaviour::BinaryNoise: {
      std::string noise(kNoiseBytes, '\0');
      unsigned state = 0x2545F491u;
      for (char& c : noise) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        c = static_cast<char>(state & 0xFF);
      }
      SendAll(connection, noise.data(), noise.size());
      break;
    }
    case Behaviour::Trickle: {
      const std::string start = header(false);
      if (!SendAll(connection, start.data(), start.size())) break;
      for (std::size_t i = 0; i < body.size() && !stop_ && Clock::now() < deadline; ++i) {
        if (!SendAll(connection, body.data() + i, 1)) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
      break;
    }
    case Behaviour::SlowPages: {
      const std::string page =
          "<html><head><title>" + path + "</title></head><body>" + std::string(64, '.') + "</body></html>";
      const std::string response = "HTTP/1.1 200 OK\r\nContent-Type: " + contentType +
                                   "\r\nContent-Length: " + std::to_string(page.size()) +
                                   "\r\nConnection: close\r\n\r\n" + page;
      constexpr std::size_t kPiece = 16;
      for (std::size_t i = 0; i < response.size() && !stop_; i += kPiece) {
        if (!SendAll(connection, response.data() + i, std::min(kPiece, response.size() - i))) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
      break;
    }
  }
  shutdown(s, SD_SEND);
  // Let the client read what was sent before the connection goes.
  for (int i = 0; i < 20 && !stop_; ++i) {
    if (!WaitFor(s, false, 50)) continue;
    char buffer[512];
    if (recv(s, buffer, sizeof(buffer), 0) <= 0) break;
  }
}

unsigned short UnusedLoopbackPort() {
  static WinsockSession winsock;
  unsigned short port = 0;
  SOCKET s = OpenListener(port);
  if (s != INVALID_SOCKET) closesocket(s);
  return port;
}

}  // namespace pelmora::test
