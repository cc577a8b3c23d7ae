#include "support/tls_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

struct Credentials {
  EVP_PKEY* key = nullptr;
  X509* certificate = nullptr;
  std::string caFile;
};

const Credentials& TestCredentials() {
  static const Credentials credentials = [] {
    Credentials made;
    made.key = EVP_EC_gen("P-256");
    made.certificate = X509_new();
    X509_set_version(made.certificate, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(made.certificate), 1);
    X509_gmtime_adj(X509_getm_notBefore(made.certificate), -3600);
    X509_gmtime_adj(X509_getm_notAfter(made.certificate), 7 * 24 * 3600);
    X509_set_pubkey(made.certificate, made.key);
    X509_NAME* name = X509_get_subject_name(made.certificate);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name(made.certificate, name);
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, made.certificate, made.certificate, nullptr, nullptr, 0);
    for (const auto& [id, value] : {std::pair{NID_subject_alt_name, "IP:127.0.0.1"},
                                    std::pair{NID_basic_constraints, "critical,CA:TRUE"}}) {
      X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, id, value);
      X509_add_ext(made.certificate, extension, -1);
      X509_EXTENSION_free(extension);
    }
    X509_sign(made.certificate, made.key, EVP_sha256());
    made.caFile = (std::filesystem::temp_directory_path() / ("visitor-tally-ca-" + std::to_string(::getpid()) + ".pem")).string();
    FILE* file = std::fopen(made.caFile.c_str(), "w");
    if (!file) throw std::runtime_error("cannot write the test certificate");
    PEM_write_X509(file, made.certificate);
    std::fclose(file);
    return made;
  }();
  return credentials;
}

SSL_CTX* ServerContext() {
  static SSL_CTX* context = [] {
    SSL_CTX* made = SSL_CTX_new(TLS_server_method());
    SSL_CTX_use_certificate(made, TestCredentials().certificate);
    SSL_CTX_use_PrivateKey(made, TestCredentials().key);
    return made;
  }();
  return context;
}

int Listen(int& port) {
  const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(listener, 16) != 0)
    throw std::runtime_error("cannot listen on 127.0.0.1");
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return listener;
}

}  // namespace

TlsServer::TlsServer(std::string response, Behaviour behaviour)
    : response_(std::move(response)), behaviour_(behaviour) {
  ::signal(SIGPIPE, SIG_IGN);  // a client that hangs up early must not end the test
  ServerContext();
  listener_ = Listen(port_);
  if (::pipe(stopPipe_) != 0) throw std::runtime_error("pipe");
  acceptor_ = std::thread([this] { Serve(); });
}

TlsServer::~TlsServer() {
  stopping_ = true;
  [[maybe_unused]] const ssize_t written = ::write(stopPipe_[1], "x", 1);
  acceptor_.join();
  for (auto& connection : connections_) connection.join();
  ::close(listener_);
  ::close(stopPipe_[0]);
  ::close(stopPipe_[1]);
}

std::string TlsServer::Url(std::string_view path) const {
  return "https://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

const std::string& TlsServer::CaFile() { return TestCredentials().caFile; }

std::vector<std::string> TlsServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void TlsServer::Serve() {
  for (;;) {
    pollfd waits[2] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    if (::poll(waits, 2, -1) < 0) continue;
    if (waits[1].revents) return;
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    connections_.emplace_back([this, connection] { Answer(connection); });
  }
}

void TlsServer::Answer(int connection) {
  if (behaviour_ == Behaviour::NeverAnswer) {
    pollfd wait = {stopPipe_[0], POLLIN, 0};
    ::poll(&wait, 1, -1);
    ::close(connection);
    return;
  }
  SSL* ssl = SSL_new(ServerContext());
  SSL_set_fd(ssl, connection);
  if (SSL_accept(ssl) == 1) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
      const int got = SSL_read(ssl, buffer, sizeof buffer);
      if (got <= 0) break;
      request.append(buffer, static_cast<std::size_t>(got));
    }
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
    }
    for (std::size_t sent = 0; sent < response_.size() && !stopping_;) {
      const int chunk = static_cast<int>(std::min<std::size_t>(response_.size() - sent, 16384));
      const int wrote = SSL_write(ssl, response_.data() + sent, chunk);
      if (wrote <= 0) break;  // the client stopped reading
      sent += static_cast<std::size_t>(wrote);
    }
    SSL_shutdown(ssl);
  }
  SSL_free(ssl);
  ::close(connection);
}

std::string HttpResponse(std::string_view status, std::string_view body) {
  return "HTTP/1.0 " + std::string(status) + "\r\nContent-Type: text/plain\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + std::string(body);
}

int UnusedPort() {
  int port = 0;
  const int listener = Listen(port);
  ::close(listener);
  return port;
}
