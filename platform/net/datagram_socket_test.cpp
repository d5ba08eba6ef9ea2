// Datagram sockets on loopback: round trip, time-out, cutting, closed sockets.
#include "platform/net/datagram_socket.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>

namespace net {
namespace {

TEST(DatagramSocket, RoundTripOnLoopback) {
  DatagramSocket server, client;
  ASSERT_TRUE(server.Create(0, "127.0.0.1"));
  ASSERT_TRUE(client.Create());
  ASSERT_NE(server.LocalPort(), 0);

  ASSERT_TRUE(client.SendTo(std::string("a\0b", 3), "127.0.0.1", server.LocalPort()));
  auto got = server.ReceiveFrom(2000);
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->bytes, std::string("a\0b", 3));
  EXPECT_EQ(got->host, "127.0.0.1");
  EXPECT_EQ(got->port, client.LocalPort());

  ASSERT_TRUE(server.SendTo("reply", got->host, got->port));
  auto back = client.ReceiveFrom(2000);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->bytes, "reply");
}

TEST(DatagramSocket, ReceiveTimesOutWithoutData) {
  DatagramSocket socket;
  ASSERT_TRUE(socket.Create());
  auto start = std::chrono::steady_clock::now();
  const auto got = socket.ReceiveFrom(50);
  ASSERT_FALSE(got);
  EXPECT_EQ(got.error().code, ETIMEDOUT);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(45));
}

TEST(DatagramSocket, LongDatagramIsCutToTheLimit) {
  DatagramSocket server, client;
  ASSERT_TRUE(server.Create(0, "127.0.0.1"));
  ASSERT_TRUE(client.Create());
  ASSERT_TRUE(client.SendTo(std::string(300, 'x'), "127.0.0.1", server.LocalPort()));
  ASSERT_TRUE(client.SendTo("next", "127.0.0.1", server.LocalPort()));
  auto first = server.ReceiveFrom(2000, 100);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->bytes.size(), 100u);
  auto second = server.ReceiveFrom(2000, 100);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->bytes, "next");
}

TEST(DatagramSocket, ClosedOrUnresolvableFailsCleanly) {
  DatagramSocket socket;
  EXPECT_EQ(socket.SendTo("x", "127.0.0.1", 9).error().code, EBADF);
  EXPECT_EQ(socket.ReceiveFrom(0).error().code, EBADF);
  EXPECT_EQ(socket.LocalPort(), 0);
  ASSERT_TRUE(socket.Create());
  EXPECT_TRUE(socket.IsOpen());
  const base::Status unresolvable = socket.SendTo("x", "no-such-host.invalid", 9);
  ASSERT_FALSE(unresolvable);
  EXPECT_NE(unresolvable.error().message.find("no-such-host.invalid"), std::string::npos);
  socket.Close();
  EXPECT_FALSE(socket.IsOpen());
  EXPECT_FALSE(socket.SendTo("x", "127.0.0.1", 9));

  DatagramSocket taken;
  ASSERT_TRUE(taken.Create(0, "127.0.0.1"));
  DatagramSocket second;
  const base::Status bound = second.Create(taken.LocalPort(), "127.0.0.1");
  ASSERT_FALSE(bound);
  EXPECT_EQ(bound.error().code, EADDRINUSE);
  EXPECT_FALSE(second.IsOpen());
}

}  // namespace
}  // namespace net
