// A small HTTP server on 127.0.0.1 for the title and icon fetch tests: it serves given bytes, or
// misbehaves in the ways real servers do. It runs on threads of its own in the test process,
// one for each connection, so a client that lingers holds up nobody else.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pelmora::test {

class HttpTestServer {
 public:
  enum class Behaviour {
    Serve,         // a 200 response with the body
    NeverAnswer,   // accepts, reads the request, sends nothing
    EndlessBody,   // the body, then filler without end (no length given)
    CloseHalfWay,  // announces the body's length, sends half of it and closes
    BinaryNoise,   // pseudo-random bytes instead of a response, then closes
    Trickle,       // the response head, then the body one byte every 100 ms
    SlowPages,     // a page titled with the request's path, a few bytes at a time with pauses
  };

  // What the server answers for one path (and query) of a request.
  struct Route {
    Route(std::string path, Behaviour behaviour, std::string body = {}, std::string contentType = "text/html",
          int status = 200, std::string headers = {})
        : path(std::move(path)), behaviour(behaviour), body(std::move(body)), contentType(std::move(contentType)),
          status(status), headers(std::move(headers)) {}
    std::string path;  // empty: every path
    Behaviour behaviour;
    std::string body;
    std::string contentType;
    int status;
    std::string headers;  // more header lines, each ending in CR LF (Location, Set-Cookie...)
  };

  // Answers every request the same way.
  explicit HttpTestServer(Behaviour behaviour, std::string body = {}, std::string contentType = "text/html");
  // Answers each path by its route; a path without one gets a 404 page.
  explicit HttpTestServer(std::vector<Route> routes);
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  bool Started() const { return port_ != 0; }
  unsigned short Port() const { return port_; }
  // http://127.0.0.1:<port><path>
  std::wstring Url(const std::wstring& path = L"/") const;
  // The request heads received so far: request line and headers, each line ending in CR LF.
  std::vector<std::string> Requests() const;
  // Waits up to `ms` until `count` requests have arrived; false when they have not.
  bool WaitForRequests(std::size_t count, unsigned ms) const;

 private:
  void Run();
  void Handle(std::uintptr_t connection);
  bool SendAll(std::uintptr_t connection, const char* data, std::size_t size);

  std::vector<Route> routes_;
  std::uintptr_t listener_;
  unsigned short port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  mutable std::condition_variable requestArrived_;
  std::vector<std::string> requests_;
  std::thread thread_;
  std::vector<std::thread> connections_;  // used by the accepting thread alone
};

// A port on 127.0.0.1 where nothing listens.
unsigned short UnusedLoopbackPort();

}  // namespace pelmora::test
