// For tests: a fake exam server on loopback that answers one request with given datagrams.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/net/datagram_socket.h"
#include "platform/win/codepage.h"

// A fake exam server on 127.0.0.1: answers the one request it waits for (at most 3 s) with the
// given datagrams, repeated every 5 ms for `repeatMs` when asked, then stops by itself.
class FakeServer {
 public:
  // `foreign`, sent first, come from another socket: `foreignHost` on another port, or on the
  // server's own port when `samePort`.
  explicit FakeServer(std::vector<std::string> answers, int repeatMs = 0,
                      std::vector<std::string> foreign = {}, std::string foreignHost = "127.0.0.1",
                      bool samePort = false)
      : answers_(std::move(answers)),
        repeatMs_(repeatMs),
        foreign_(std::move(foreign)),
        foreignHost_(std::move(foreignHost)),
        samePort_(samePort) {
    EXPECT_NE(port_, 0);
    thread_ = std::thread([this] { Run(); });
  }
  ~FakeServer() {
    if (thread_.joinable()) thread_.join();
  }
  uint16_t Port() const { return port_; }
  // The requests received, in UTF-8; valid after the exchange.
  std::vector<std::string> Received() {
    if (thread_.joinable()) thread_.join();
    return received_;
  }

 private:
  void Run() {
    auto request = socket_.ReceiveFrom(3000);
    if (!request) return;
    received_.push_back(win::GbkToUtf8(request->bytes));
    if (!foreign_.empty()) {
      net::DatagramSocket other;
      EXPECT_TRUE(other.Create(samePort_ ? port_ : 0, foreignHost_));
      for (const std::string& answer : foreign_)
        EXPECT_TRUE(other.SendTo(win::Utf8ToGbk(answer), request->host, request->port));
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(repeatMs_);
    do {
      for (const std::string& answer : answers_)
        ASSERT_TRUE(socket_.SendTo(win::Utf8ToGbk(answer), request->host, request->port));
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < until);
  }
  net::DatagramSocket socket_;
  uint16_t port_ = socket_.Create(0, "127.0.0.1") ? socket_.LocalPort() : uint16_t{0};
  std::vector<std::string> answers_;
  int repeatMs_;
  std::vector<std::string> foreign_;
  std::string foreignHost_;
  bool samePort_;
  std::vector<std::string> received_;
  std::thread thread_;
};
