// The download against a loopback server that answers with fuzzed bytes: a raw reply (anything
// at all, which must not crash or hang the download) or a well-formed one with fuzzed header
// values and body, sent whole, chunked, without a length or cut short, whose body the download
// must return exactly. Nothing leaves the machine: every proxy variable points at a closed
// loopback port and only 127.0.0.1 is reached directly, so a fuzzed redirect goes nowhere.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string_view>
#include <thread>

#include "net/Download.h"
#include "tests/support/LoopbackHttpServer.h"

namespace {

void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "download_fuzz: %s\n", what);
    std::abort();
  }
}

// One connection at a time on one thread that lives as long as the process: the tests' loopback
// server keeps a thread per connection until it is destroyed, which millions of runs cannot
// afford, and starting a server per run would cost more than the download.
class ReplyServer {
 public:
  ReplyServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int yes = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    require(::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
                ::listen(listener_, 16) == 0 &&
                ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len) == 0,
            "loopback listener");
    port_ = ntohs(a.sin_port);
    std::thread([this] { serve(); }).detach();
  }

  std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/script.js"; }

  void setReply(std::string bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    reply_ = std::move(bytes);
  }

 private:
  void serve() {
    static char buffer[4096];
    for (;;) {
      const int fd = ::accept(listener_, nullptr, nullptr);
      if (fd < 0) continue;
      timeval timeout{2, 0};
      ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
      // The request's end: the download sends no body.
      std::size_t got = 0;
      while (got < 4 || std::string_view(buffer, got).find("\r\n\r\n") == std::string_view::npos) {
        const ssize_t n = ::recv(fd, buffer + got, sizeof buffer - got, 0);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
        if (got == sizeof buffer) break;
      }
      std::lock_guard<std::mutex> lock(mutex_);
      for (std::size_t sent = 0; sent < reply_.size();) {
        const ssize_t n = ::send(fd, reply_.data() + sent, reply_.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
      }
      ::shutdown(fd, SHUT_WR);
      while (::recv(fd, buffer, sizeof buffer, 0) > 0) {
      }
      ::close(fd);
    }
  }

  int listener_ = -1;
  int port_ = 0;
  std::mutex mutex_;
  std::string reply_;
};

ReplyServer* server = nullptr;

// Header names whose values cannot change the body the download returns.
const char* const kHeaderNames[] = {"Content-Type", "Server", "X-Fuzz", "Set-Cookie", "ETag",
                                    "Cache-Control", "Last-Modified", "Vary"};

std::string headerValue(FuzzedDataProvider& in) {
  std::string v = in.ConsumeRandomLengthString(64);
  for (char& c : v)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string deadProxy =
      "http://127.0.0.1:" + std::to_string(jsdebug::loopback::LoopbackHttpServer::closedPort());
  for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy",
                           "ALL_PROXY"})
    setenv(name, deadProxy.c_str(), 1);
  setenv("no_proxy", "127.0.0.1", 1);
  setenv("NO_PROXY", "127.0.0.1", 1);
  server = new ReplyServer;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int shape = in.ConsumeIntegralInRange(0, 4);
  std::string expected;
  std::string bytes;
  if (shape == 0) {  // anything at all
    bytes = in.ConsumeRemainingBytesAsString();
  } else {
    const int status = in.PickValueInArray({200, 203, 404, 500});
    std::string headers;
    const int count = in.ConsumeIntegralInRange(0, 4);
    for (int k = 0; k < count; ++k)
      headers += std::string(in.PickValueInArray(kHeaderNames)) + ": " + headerValue(in) + "\r\n";
    const std::string body = in.ConsumeRandomLengthString(8192);
    const std::string statusLine = " " + std::to_string(status) + " Whatever\r\n";
    if (shape == 1) {  // whole, with its length
      bytes = "HTTP/1.0" + statusLine + headers + "Content-Length: " +
              std::to_string(body.size()) + "\r\n\r\n" + body;
      expected = body;
    } else if (shape == 2) {  // no length: the body ends with the connection
      bytes = "HTTP/1.0" + statusLine + headers + "\r\n" + body;
      expected = body;
    } else if (shape == 3) {  // an announced length the server never reaches
      bytes = "HTTP/1.0" + statusLine + headers + "Content-Length: " +
              std::to_string(body.size() + 1 + in.ConsumeIntegral<std::uint16_t>()) + "\r\n\r\n" +
              body;
      expected = body;
    } else {  // chunked, in pieces of fuzzed sizes
      bytes = "HTTP/1.1" + statusLine + headers + "Transfer-Encoding: chunked\r\n\r\n";
      for (std::size_t at = 0; at < body.size();) {
        const std::size_t n = std::min<std::size_t>(body.size() - at,
                                                    1 + in.ConsumeIntegral<std::uint8_t>() * 16);
        char length[32];
        std::snprintf(length, sizeof length, "%zx\r\n", n);
        bytes += length + body.substr(at, n) + "\r\n";
        at += n;
      }
      bytes += "0\r\n\r\n";
      expected = body;
    }
  }
  server->setReply(std::move(bytes));
  const std::string got = jsdebug::net::downloadBytes(server->url());
  if (shape != 0) require(got == expected, "the body of a well-formed reply");
  return 0;
}
