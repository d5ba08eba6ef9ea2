// UDP datagram sockets over POSIX: the exam client's one exchange with the exam server, and the
// fake servers of the tests. IPv4 only, as the server addresses are dotted IPv4. Failures come
// back as base errors whose code is the errno (EAI_* of the resolver is reported as EHOSTUNREACH,
// a receive that waited in vain as ETIMEDOUT).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace net {

// One datagram as received: its bytes and the sender's address.
struct Datagram {
  std::string bytes;
  std::string host;  // dotted IPv4
  uint16_t port = 0;
};

class DatagramSocket {
 public:
  DatagramSocket() = default;
  ~DatagramSocket();
  DatagramSocket(DatagramSocket&& other) noexcept;
  DatagramSocket& operator=(DatagramSocket&& other) noexcept;
  DatagramSocket(const DatagramSocket&) = delete;
  DatagramSocket& operator=(const DatagramSocket&) = delete;

  // Creates the socket bound to `port` (0: any free port) on `host` (empty: every address).
  // An open socket is closed first.
  base::Status Create(uint16_t port = 0, std::string_view host = {});

  bool IsOpen() const { return fd_ >= 0; }

  // The local port the socket is bound to, 0 when closed.
  uint16_t LocalPort() const;

  // Sends the bytes as one datagram to host:port; host is a dotted address or a resolvable name.
  base::Status SendTo(std::string_view bytes, std::string_view host, uint16_t port);

  // Waits at most `timeoutMs` (0: only what is already there) for one datagram and returns it,
  // keeping at most `maxBytes` of it.
  base::Result<Datagram> ReceiveFrom(int timeoutMs, size_t maxBytes = 65536);

  void Close();

 private:
  int fd_ = -1;
};

}  // namespace net
