#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "app/StatsUploader.h"

namespace ostrel {
namespace {

// A loopback HTTP server that answers "200 OK" to a set number of
// requests, records their request lines, then stops listening, so that
// later requests are refused.
class LoopbackServer {
 public:
  explicit LoopbackServer(int answers) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    listen(listener_, 8);
    thread_ = std::thread([this, answers] { Serve(answers); });
  }
  ~LoopbackServer() {
    stop_ = true;
    thread_.join();
    if (listener_ >= 0) close(listener_);
  }

  std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }
  std::vector<std::string> requests;  // the request lines
  std::vector<std::string> headers;   // everything after them

 private:
  void Serve(int answers) {
    for (int served = 0; served < answers && !stop_;) {
      pollfd p{listener_, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      int client = accept(listener_, nullptr, nullptr);
      if (client < 0) continue;
      std::string request;
      char buffer[2048];
      while (request.find("\r\n\r\n") == std::string::npos) {
        pollfd c{client, POLLIN, 0};
        if (poll(&c, 1, 5000) <= 0) break;
        ssize_t n = read(client, buffer, sizeof buffer);
        if (n <= 0) break;
        request.append(buffer, static_cast<size_t>(n));
      }
      requests.push_back(request.substr(0, request.find("\r\n")));
      headers.push_back(request.substr(request.find("\r\n")));
      const char reply[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
      ssize_t ignored = write(client, reply, sizeof reply - 1);
      (void)ignored;
      close(client);
      ++served;
    }
    close(listener_);
    listener_ = -1;
  }

  int listener_ = -1;
  int port_ = 0;
  bool stop_ = false;
  std::thread thread_;
};

RSStats Data() {
  RSStats r;
  r.calcType = 0;
  r.actualSize = 734003100;
  r.mediaSize = 734003200;
  r.iterationNum = 1234;
  r.timeElapsed = 0.25;
  r.executionNum = 5;
  r.exitType = 4;
  return r;
}

RSStats Audio() {
  RSStats r;
  r.calcType = 10;
  r.actualAudioLength = 4790.125;
  r.mediaAudioLength = 4795.02;
  r.iterationNum = 3000000000;
  r.timeElapsed = 10.00004;
  r.executionNum = 7;
  r.exitType = 5;
  return r;
}

const char* kId = "0123456789abcdef0123456789abcdef";

TEST(StatsUploader, SendsEveryUnsentRecordInOrder) {
  LoopbackServer server(3);
  RSStats old = Data();
  old.executionNum = 3;
  std::string base = server.Url() + "rsstats.php?sClientID=";
  EXPECT_TRUE(StatsUploader::Upload(base, kId, {Data(), old, Audio()}, 4));
  ASSERT_EQ(server.requests.size(), 2u);
  EXPECT_NE(server.headers[0].find("\r\nUser-Agent: Ostrel\r\n"), std::string::npos);
  EXPECT_NE(server.headers[0].find("\r\nCache-Control: no-cache\r\n"), std::string::npos);
  EXPECT_EQ(server.requests[0],
            std::string("GET /rsstats.php?sClientID=") + kId +
                "&sVersion=3.0.1&iCalcType=0&hActualSize=734003100&hMediaSize=734003200"
                "&dActualAudioLength=0.0000&dMediaAudioLength=0.0000&hIterationNum=1234"
                "&dTimeElapsed=0.2500&iExecutionNum=5&iExitType=4 HTTP/1.1");
  EXPECT_EQ(server.requests[1],
            std::string("GET /rsstats.php?sClientID=") + kId +
                "&sVersion=3.0.1&iCalcType=10&hActualSize=0&hMediaSize=0"
                "&dActualAudioLength=4790.1250&dMediaAudioLength=4795.0200"
                "&hIterationNum=3000000000&dTimeElapsed=10.0000&iExecutionNum=7&iExitType=5 "
                "HTTP/1.1");
}

TEST(StatsUploader, TheFirstFailureEndsTheUpload) {
  LoopbackServer server(1);
  std::string base = server.Url() + "rsstats.php?sClientID=";
  EXPECT_FALSE(StatsUploader::Upload(base, kId, {Data(), Audio(), Data()}, 0));
  EXPECT_EQ(server.requests.size(), 1u);
}

TEST(StatsUploader, NoRecordsIsASuccessWithoutRequests) {
  LoopbackServer server(1);
  EXPECT_TRUE(StatsUploader::Upload(server.Url() + "rsstats.php?sClientID=", kId, {}, 0));
  EXPECT_TRUE(server.requests.empty());
}

TEST(StatsUploader, BaseUrlComesFromTheEnvironment) {
  setenv("OSTREL_STATS_URL", "http://127.0.0.1:9/stats", 1);
  EXPECT_EQ(StatsUploader::BaseUrl(), "http://127.0.0.1:9/stats/rsstats.php?sClientID=");
  unsetenv("OSTREL_STATS_URL");
  EXPECT_EQ(StatsUploader::BaseUrl().rfind("rsstats.php?sClientID="),
            StatsUploader::BaseUrl().size() - 22);
}

}  // namespace
}  // namespace ostrel
