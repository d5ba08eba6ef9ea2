// For tests: an exam server on 127.0.0.1 that answers a script. The n-th request it receives
// (waiting at most 3 s for each) is answered as the n-th answer says, in GBK; it stops after the
// last answer of the script and records the requests in UTF-8.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/net/datagram_socket.h"
#include "platform/win/codepage.h"

// How the server answers one request.
struct ServerAnswer {
  // Sent in order; none is no answer.
  std::vector<std::string> datagrams;
  // The datagrams sent again every 5 ms for so long.
  int repeatMs = 0;
  // Sent first from another socket: `foreignHost` on another port, or on the server's own port
  // when `foreignOnServerPort`.
  std::vector<std::string> foreign = {};
  std::string foreignHost = "127.0.0.1";
  bool foreignOnServerPort = false;
};

class FakeExamServer {
 public:
  // The n-th request is answered with the n-th reply, one datagram; an empty reply is no answer.
  explicit FakeExamServer(const std::vector<std::string>& replies) {
    for (const std::string& reply : replies)
      answers_.push_back(ServerAnswer{reply.empty() ? std::vector<std::string>{}
                                                    : std::vector<std::string>{reply}});
    Start();
  }
  // One request, answered as `answer` says.
  explicit FakeExamServer(ServerAnswer answer) : answers_{std::move(answer)} { Start(); }
  ~FakeExamServer() {
    if (thread_.joinable()) thread_.join();
  }
  FakeExamServer(const FakeExamServer&) = delete;
  FakeExamServer& operator=(const FakeExamServer&) = delete;

  uint16_t Port() const { return port_; }
  // The settings lines that point the client at this server.
  std::string Settings() const {
    return "ServerIP=127.0.0.1\r\nPort=" + std::to_string(port_) + "\r\nTimeout=3000\r\n";
  }
  // The requests received; waits for the script to end.
  std::vector<std::string> Received() {
    if (thread_.joinable()) thread_.join();
    return received_;
  }

 private:
  void Start() {
    EXPECT_NE(port_, 0);
    thread_ = std::thread([this] { Run(); });
  }
  void Run() {
    for (const ServerAnswer& answer : answers_) {
      auto request = socket_.ReceiveFrom(3000);
      if (!request) return;
      received_.push_back(win::GbkToUtf8(request->bytes));
      if (!answer.foreign.empty()) {
        net::DatagramSocket other;
        EXPECT_TRUE(other.Create(answer.foreignOnServerPort ? port_ : 0, answer.foreignHost));
        for (const std::string& datagram : answer.foreign)
          EXPECT_TRUE(other.SendTo(win::Utf8ToGbk(datagram), request->host, request->port));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
      const auto until =
          std::chrono::steady_clock::now() + std::chrono::milliseconds(answer.repeatMs);
      do {
        for (const std::string& datagram : answer.datagrams)
          EXPECT_TRUE(socket_.SendTo(win::Utf8ToGbk(datagram), request->host, request->port));
        if (answer.repeatMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
      } while (std::chrono::steady_clock::now() < until);
    }
  }

  std::vector<ServerAnswer> answers_;
  net::DatagramSocket socket_;
  uint16_t port_ = socket_.Create(0, "127.0.0.1") ? socket_.LocalPort() : uint16_t{0};
  std::vector<std::string> received_;
  std::thread thread_;
};
