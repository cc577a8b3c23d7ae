#pragma once
// A real HTTPS server on 127.0.0.1 for the tests, with a throwaway certificate that only the
// tests trust. It answers every request with one fixed response and records what it got.

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class TlsServer {
 public:
  enum class Behaviour { Answer, NeverAnswer };

  explicit TlsServer(std::string response, Behaviour behaviour = Behaviour::Answer);
  ~TlsServer();
  TlsServer(const TlsServer&) = delete;
  TlsServer& operator=(const TlsServer&) = delete;

  std::string Url(std::string_view path) const;
  // The certificate to trust, as a PEM file.
  static const std::string& CaFile();
  std::vector<std::string> Requests() const;

 private:
  void Serve();
  void Answer(int connection);

  std::string response_;
  Behaviour behaviour_;
  int listener_ = -1;
  int port_ = 0;
  int stopPipe_[2] = {-1, -1};
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<std::thread> connections_;
  std::thread acceptor_;
};

// A response with a status line, a content length and the body.
std::string HttpResponse(std::string_view status, std::string_view body);

// The path of the published version file.
inline constexpr std::string_view kVersionPath = "/%E6%9B%B4%E6%96%B0%E7%89%88%E6%9C%AC.txt";

// A free port on 127.0.0.1 where nothing listens.
int UnusedPort();
