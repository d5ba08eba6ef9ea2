// For tests: an exam server on 127.0.0.1 that answers a script. The n-th request it receives
// (waiting at most 3 s for each) is answered with the n-th reply, in GBK; an empty reply is no
// answer. It stops after the last reply of the script and records the requests in UTF-8.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/net/datagram_socket.h"
#include "platform/win/codepage.h"

class ScriptedExamServer {
 public:
  explicit ScriptedExamServer(std::vector<std::string> replies) : replies_(std::move(replies)) {
    EXPECT_NE(port_, 0);
    thread_ = std::thread([this] { Run(); });
  }
  ~ScriptedExamServer() {
    if (thread_.joinable()) thread_.join();
  }
  ScriptedExamServer(const ScriptedExamServer&) = delete;
  ScriptedExamServer& operator=(const ScriptedExamServer&) = delete;

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
  void Run() {
    for (const std::string& reply : replies_) {
      auto request = socket_.ReceiveFrom(3000);
      if (!request) return;
      received_.push_back(win::GbkToUtf8(request->bytes));
      if (!reply.empty()) {
        EXPECT_TRUE(socket_.SendTo(win::Utf8ToGbk(reply), request->host, request->port));
      }
    }
  }
  net::DatagramSocket socket_;
  uint16_t port_ = socket_.Create(0, "127.0.0.1") ? socket_.LocalPort() : uint16_t{0};
  std::vector<std::string> replies_;
  std::vector<std::string> received_;
  std::thread thread_;
};
