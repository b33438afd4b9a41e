#pragma once
// A tiny HTTP server on 127.0.0.1 for download tests and benchmarks: each connection gets the
// raw bytes a handler returns for its request, after an optional delay, and is then closed.
// Raw bytes let a test send what a well-behaved server would not (no Content-Length, a body cut
// short). Builds on POSIX sockets and on Winsock, so the Windows download meets the same server.

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace jsdebug::loopback {

#ifdef _WIN32
using Socket = SOCKET;
constexpr Socket kNoSocket = INVALID_SOCKET;
constexpr int kNoSignal = 0;
constexpr int kShutdownSend = SD_SEND;
inline void closeSocket(Socket s) { ::closesocket(s); }
inline void startSockets() {
  static const bool started = [] {
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throw std::runtime_error("WSAStartup");
}
inline void setReceiveTimeout(Socket s, int seconds) {
  const DWORD ms = static_cast<DWORD>(seconds) * 1000;
  ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&ms), sizeof ms);
}
#else
using Socket = int;
constexpr Socket kNoSocket = -1;
constexpr int kNoSignal = MSG_NOSIGNAL;
constexpr int kShutdownSend = SHUT_WR;
inline void closeSocket(Socket s) { ::close(s); }
inline void startSockets() {}
inline void setReceiveTimeout(Socket s, int seconds) {
  timeval timeout{seconds, 0};
  ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
}
#endif

// True when `s` has a connection to accept within `ms`.
inline bool readable(Socket s, int ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{0, ms * 1000};
  return ::select(static_cast<int>(s) + 1, &set, nullptr, nullptr, &wait) > 0;
}

struct HttpReply {
  std::string bytes;
  int delayMs = 0;
};

// A complete response; without a Content-Length the end of the body is the connection's end.
inline std::string httpResponse(const std::string& status, const std::string& body,
                                bool withContentLength = true) {
  std::string r = "HTTP/1.0 " + status + "\r\nContent-Type: application/javascript\r\n";
  if (withContentLength) r += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  return r + "Connection: close\r\n\r\n" + body;
}

// A listening socket on 127.0.0.1 (a port the system picks) that hands each accepted
// connection to `serve` on a thread of its own; the destructor stops accepting and waits for
// every connection's thread. Declare it as the last member of its owner, so that it is built
// after, and stopped before, whatever `serve` uses.
class LoopbackListener {
 public:
  explicit LoopbackListener(std::function<void(Socket)> serve) : serve_(std::move(serve)) {
    startSockets();
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listener_ == kNoSocket) throw std::runtime_error("socket");
#ifndef _WIN32
    // On Windows the option would let another program take the port from under the test.
    int yes = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
#endif
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_t len = sizeof a;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(listener_, 64) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
      closeSocket(listener_);
      throw std::runtime_error("bind/listen");
    }
    port_ = ntohs(a.sin_port);
    acceptor_ = std::thread([this] { acceptLoop(); });
  }

  ~LoopbackListener() {
    stop_ = true;
    acceptor_.join();
    closeSocket(listener_);
    std::vector<std::thread> connections;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      connections.swap(connections_);
    }
    for (std::thread& t : connections) t.join();
  }

  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;

  int port() const { return port_; }

 private:
  void acceptLoop() {
    while (!stop_) {
      if (!readable(listener_, 20)) continue;
      const Socket fd = ::accept(listener_, nullptr, nullptr);
      if (fd == kNoSocket) continue;
      std::lock_guard<std::mutex> lock(mutex_);
      connections_.emplace_back([this, fd] { serve_(fd); });
    }
  }

  std::function<void(Socket)> serve_;
  Socket listener_ = kNoSocket;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread acceptor_;
  std::mutex mutex_;
  std::vector<std::thread> connections_;
};

class LoopbackHttpServer {
 public:
  using Handler = std::function<HttpReply(const std::string& request)>;

  explicit LoopbackHttpServer(Handler handler) : handler_(std::move(handler)) {}

  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  int port() const { return listener_.port(); }
  std::string url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port()) + path;
  }
  std::vector<std::string> requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

  // A port on which nothing listens: bound, then released.
  static int closedPort() {
    startSockets();
    const Socket s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    closeSocket(s);
    return ntohs(a.sin_port);
  }

 private:
  void serve(Socket fd) {
    setReceiveTimeout(fd, 5);
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const long n = ::recv(fd, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request.append(buffer, static_cast<std::size_t>(n));
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(request);
    }
    const HttpReply reply = handler_(request);
    if (reply.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(reply.delayMs));
    std::size_t sent = 0;
    while (sent < reply.bytes.size()) {
      const int piece = static_cast<int>(std::min<std::size_t>(reply.bytes.size() - sent, 1 << 20));
      const long n = ::send(fd, reply.bytes.data() + sent, piece, kNoSignal);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    ::shutdown(fd, kShutdownSend);
    // Let the client read to the end before the socket goes away.
    while (::recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    closeSocket(fd);
  }

  Handler handler_;
  std::mutex mutex_;
  std::vector<std::string> requests_;
  LoopbackListener listener_{[this](Socket fd) { serve(fd); }};
};

}  // namespace jsdebug::loopback
