// Downloads from https addresses, against a TLS server on 127.0.0.1 whose self-signed
// certificate is made here. No system trusts it, so the transfer must be refused and give no
// bytes, quickly and without harm, however many try at once.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <stdlib.h>

#include "net/Download.h"
#include "tests/support/LoopbackHttpServer.h"

namespace jsdebug::net {
namespace {

// The server is on this machine: a proxy configured for the user must not stand between.
const bool kNoProxy = [] {
  for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
    ::unsetenv(name);
  return true;
}();

struct PkeyFree {
  void operator()(EVP_PKEY* p) const noexcept { EVP_PKEY_free(p); }
};
struct X509Free {
  void operator()(X509* x) const noexcept { X509_free(x); }
};
struct CtxFree {
  void operator()(SSL_CTX* c) const noexcept { SSL_CTX_free(c); }
};
struct SslFree {
  void operator()(SSL* s) const noexcept { SSL_free(s); }
};
using Pkey = std::unique_ptr<EVP_PKEY, PkeyFree>;
using Cert = std::unique_ptr<X509, X509Free>;
using Ctx = std::unique_ptr<SSL_CTX, CtxFree>;
using Ssl = std::unique_ptr<SSL, SslFree>;

void require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(what);
}

// A P-256 key and a certificate for 127.0.0.1 (as name and as address) signed by that key.
struct SelfSigned {
  Pkey key;
  Cert cert;
};

SelfSigned makeSelfSigned() {
  SelfSigned s{Pkey(EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256")), Cert(X509_new())};
  require(s.key && s.cert, "key or certificate");
  X509* x = s.cert.get();
  require(X509_set_version(x, 2) == 1, "version");
  require(ASN1_INTEGER_set(X509_get_serialNumber(x), 1) == 1, "serial");
  require(X509_gmtime_adj(X509_getm_notBefore(x), -3600) != nullptr, "not before");
  require(X509_gmtime_adj(X509_getm_notAfter(x), 86400) != nullptr, "not after");
  X509_NAME* name = X509_get_subject_name(x);
  require(X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                     reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1,
                                     0) == 1,
          "name");
  require(X509_set_issuer_name(x, name) == 1, "issuer");
  require(X509_set_pubkey(x, s.key.get()) == 1, "public key");
  X509V3_CTX v3;
  X509V3_set_ctx_nodb(&v3);
  X509V3_set_ctx(&v3, x, x, nullptr, nullptr, 0);
  X509_EXTENSION* san =
      X509V3_EXT_conf_nid(nullptr, &v3, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
  require(san != nullptr, "subjectAltName");
  const int added = X509_add_ext(x, san, -1);
  X509_EXTENSION_free(san);
  require(added == 1, "extension");
  require(X509_sign(x, s.key.get(), EVP_sha256()) > 0, "sign");
  return s;
}

// Serves "GET" requests over TLS with a fixed body, one thread per connection, and counts the
// handshakes that completed and those that the client broke off.
class LoopbackTlsServer {
 public:
  LoopbackTlsServer() : identity_(makeSelfSigned()), ctx_(SSL_CTX_new(TLS_server_method())) {
    require(ctx_ != nullptr, "server context");
    require(SSL_CTX_use_certificate(ctx_.get(), identity_.cert.get()) == 1 &&
                SSL_CTX_use_PrivateKey(ctx_.get(), identity_.key.get()) == 1,
            "server identity");
  }

  LoopbackTlsServer(const LoopbackTlsServer&) = delete;
  LoopbackTlsServer& operator=(const LoopbackTlsServer&) = delete;

  std::string url(const std::string& path) const {
    return "https://127.0.0.1:" + std::to_string(port()) + path;
  }
  int port() const { return listener_.port(); }
  X509* certificate() const { return identity_.cert.get(); }
  int handshakes() const { return handshakes_; }
  int refusedHandshakes() const { return refused_; }
  int requestsServed() const { return served_; }

  static constexpr const char* kBody = "function secret(){return 42}";

 private:
  void serve(int fd) {
    timeval timeout{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    Ssl ssl(SSL_new(ctx_.get()));
    if (ssl && SSL_set_fd(ssl.get(), fd) == 1) {
      if (SSL_accept(ssl.get()) == 1) {
        ++handshakes_;
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
          const int n = SSL_read(ssl.get(), buffer, sizeof buffer);
          if (n <= 0) break;
          request.append(buffer, static_cast<std::size_t>(n));
        }
        if (request.rfind("GET ", 0) == 0) {
          ++served_;
          const std::string reply = loopback::httpResponse("200 OK", kBody);
          SSL_write(ssl.get(), reply.data(), static_cast<int>(reply.size()));
          SSL_shutdown(ssl.get());
        }
      } else {
        ++refused_;
      }
    }
    ERR_clear_error();
    ::close(fd);
  }

  SelfSigned identity_;
  Ctx ctx_;
  std::atomic<int> handshakes_{0};
  std::atomic<int> refused_{0};
  std::atomic<int> served_{0};
  loopback::LoopbackListener listener_{[this](int fd) { serve(fd); }};
};

// A client that does trust the certificate: proof that the server hands out the body, so an
// empty download is the refusal and not a broken server.
std::string fetchTrusting(const LoopbackTlsServer& server, const std::string& path) {
  Ctx ctx(SSL_CTX_new(TLS_client_method()));
  require(ctx != nullptr, "client context");
  require(X509_STORE_add_cert(SSL_CTX_get_cert_store(ctx.get()), server.certificate()) == 1,
          "trust");
  SSL_CTX_set_verify(ctx.get(), SSL_VERIFY_PEER, nullptr);
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  require(fd >= 0, "client socket");
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = htons(static_cast<std::uint16_t>(server.port()));
  std::string response;
  Ssl ssl(SSL_new(ctx.get()));
  if (ssl && ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      SSL_set_fd(ssl.get(), fd) == 1 && SSL_connect(ssl.get()) == 1) {
    const std::string request = "GET " + path + " HTTP/1.0\r\n\r\n";
    SSL_write(ssl.get(), request.data(), static_cast<int>(request.size()));
    char buffer[4096];
    for (int n; (n = SSL_read(ssl.get(), buffer, sizeof buffer)) > 0;)
      response.append(buffer, static_cast<std::size_t>(n));
  }
  ERR_clear_error();
  ::close(fd);
  const std::size_t body = response.find("\r\n\r\n");
  return body == std::string::npos ? std::string() : response.substr(body + 4);
}

// The server counts a broken-off handshake on its own thread, after the client has gone.
bool eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 500 && !condition(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return condition();
}

TEST(HttpsDownload, AnUnverifiableCertificateGivesNoBytes) {
  LoopbackTlsServer server;
  ASSERT_EQ(LoopbackTlsServer::kBody, fetchTrusting(server, "/test.js"));
  ASSERT_EQ(1, server.requestsServed());

  EXPECT_EQ("", downloadBytes(server.url("/test.js")));
  EXPECT_EQ("", downloadBytes("HTTPS://localhost:" + std::to_string(server.port()) + "/test.js#x"));
  // The client broke off the handshake itself: no request ever reached the server.
  EXPECT_TRUE(eventually([&] { return server.refusedHandshakes() >= 2; }));
  EXPECT_EQ(1, server.requestsServed());
  EXPECT_EQ(1, server.handshakes());
}

TEST(HttpsDownload, RefusedTogetherFromSeveralThreads) {
  LoopbackTlsServer server;
  std::vector<std::future<std::string>> downloads;
  for (int i = 0; i < 6; ++i)
    downloads.push_back(std::async(std::launch::async, [&] { return downloadBytes(server.url("/test.js")); }));
  for (auto& d : downloads) EXPECT_EQ("", d.get());
  EXPECT_EQ(0, server.requestsServed());
}

// A server that answers in plain HTTP where TLS is expected, at once, without waiting for a
// request: no handshake, no bytes; its response must not be taken for the body.
TEST(HttpsDownload, PlainHttpOnAnHttpsAddressGivesNoBytes) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  ASSERT_EQ(0, ::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a));
  ASSERT_EQ(0, ::listen(listener, 4));
  ASSERT_EQ(0, ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len));
  std::thread server([listener] {
    const int fd = ::accept(listener, nullptr, nullptr);
    if (fd < 0) return;
    const std::string reply = loopback::httpResponse("200 OK", "plain");
    (void)::send(fd, reply.data(), reply.size(), MSG_NOSIGNAL);
    ::shutdown(fd, SHUT_WR);
    char buffer[4096];
    timeval timeout{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    while (::recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    ::close(fd);
  });
  EXPECT_EQ("", downloadBytes("https://127.0.0.1:" + std::to_string(ntohs(a.sin_port)) + "/test.js"));
  server.join();
  ::close(listener);
}

}  // namespace
}  // namespace jsdebug::net
