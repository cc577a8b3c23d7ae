#include <gtest/gtest.h>

#include "platform/https_fetch.h"
#include "support/tls_server.h"

namespace {

HttpsFetchOptions Options(const std::string& url) {
  HttpsFetchOptions options;
  options.url = url;
  options.caFile = TlsServer::CaFile();
  options.totalTimeout = std::chrono::seconds(2);
  return options;
}

TEST(HttpsFetch, SendsTheVersionChecksRequestAndYieldsTheBody) {
  TlsServer server(HttpResponse("200 OK", "body"));
  EXPECT_EQ(HttpsFetch(Options(server.Url(kVersionPath))), "body");
  ASSERT_EQ(server.Requests().size(), 1u);
  const std::string request = server.Requests()[0];
  EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET " + std::string(kVersionPath) + " HTTP/1.0");
  for (const char* header : {"\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n",
                             "\r\nAccept: */*\r\n", "\r\nPragma: no-cache\r\n", "\r\nCache-Control: no-cache\r\n"})
    EXPECT_NE(request.find(header), std::string::npos) << header << " in " << request;
}

TEST(HttpsFetch, TakesTheBodyOfAnyStatus) {
  TlsServer server(HttpResponse("404 Not Found", "<html>missing</html>"));
  EXPECT_EQ(HttpsFetch(Options(server.Url(kVersionPath))), "<html>missing</html>");
}

TEST(HttpsFetch, FailuresYieldNothingOrWhatArrived) {
  EXPECT_EQ(HttpsFetch(Options("https://127.0.0.1:" + std::to_string(UnusedPort()) + "/x")), "");

  TlsServer silent("", TlsServer::Behaviour::NeverAnswer);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(HttpsFetch(Options(silent.Url("/x"))), "");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));  // the time-out ended it

  TlsServer server(HttpResponse("200 OK", "x"));
  HttpsFetchOptions untrusted = Options(server.Url("/x"));
  untrusted.caFile = "/nonexistent-ca.pem";
  EXPECT_EQ(HttpsFetch(untrusted), "");

  const std::string huge(3 * 1024 * 1024, 'a');
  TlsServer flood(HttpResponse("200 OK", huge));
  EXPECT_EQ(HttpsFetch(Options(flood.Url("/x"))), std::string(1024 * 1024, 'a'));
}

}  // namespace
