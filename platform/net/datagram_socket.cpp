// UDP datagram sockets over POSIX.
#include "platform/net/datagram_socket.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace net {
namespace {

base::Error SystemError(int code, std::string_view what) {
  return base::Error::WithCode(code, std::string(what) + ": " + std::strerror(code));
}

// The address of a dotted address or a host name (its first IPv4 address); every address when
// the host is empty.
base::Result<sockaddr_in> Resolve(std::string_view host, uint16_t port) {
  sockaddr_in out;
  std::memset(&out, 0, sizeof out);
  out.sin_family = AF_INET;
  out.sin_port = htons(port);
  std::string name(host);
  if (name.empty()) {
    out.sin_addr.s_addr = htonl(INADDR_ANY);
    return out;
  }
  if (inet_pton(AF_INET, name.c_str(), &out.sin_addr) == 1) return out;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* list = nullptr;
  const int rc = getaddrinfo(name.c_str(), nullptr, &hints, &list);
  if (rc != 0 || list == nullptr) {
    return base::Error::WithCode(EHOSTUNREACH, "cannot resolve " + name + ": " +
                                                   (rc != 0 ? gai_strerror(rc) : "no address"));
  }
  out.sin_addr = reinterpret_cast<sockaddr_in*>(list->ai_addr)->sin_addr;
  freeaddrinfo(list);
  return out;
}

base::Error NotOpen() {
  return base::Error::WithCode(EBADF, "the socket is not open");
}

}  // namespace

DatagramSocket::~DatagramSocket() {
  Close();
}

DatagramSocket::DatagramSocket(DatagramSocket&& other) noexcept : fd_(other.fd_) {
  other.fd_ = -1;
}

DatagramSocket& DatagramSocket::operator=(DatagramSocket&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

base::Status DatagramSocket::Create(uint16_t port, std::string_view host) {
  Close();
  base::Result<sockaddr_in> address = Resolve(host, port);
  if (!address) return address.error();
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return SystemError(errno, "cannot create a datagram socket");
  if (::bind(fd_, reinterpret_cast<sockaddr*>(&*address), sizeof *address) != 0) {
    const int code = errno;
    Close();
    return SystemError(code, "cannot bind to port " + std::to_string(port));
  }
  return base::Ok();
}

uint16_t DatagramSocket::LocalPort() const {
  if (fd_ < 0) return 0;
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  return ntohs(address.sin_port);
}

base::Status DatagramSocket::SendTo(std::string_view bytes, std::string_view host, uint16_t port) {
  if (fd_ < 0) return NotOpen();
  base::Result<sockaddr_in> address = Resolve(host, port);
  if (!address) return address.error();
  const ssize_t sent = ::sendto(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL,
                                reinterpret_cast<sockaddr*>(&*address), sizeof *address);
  if (sent < 0) return SystemError(errno, "cannot send to " + std::string(host));
  if (sent != static_cast<ssize_t>(bytes.size()))
    return base::Error::WithCode(EMSGSIZE, "the datagram to " + std::string(host) + " was cut");
  return base::Ok();
}

base::Result<Datagram> DatagramSocket::ReceiveFrom(int timeoutMs, size_t maxBytes) {
  if (fd_ < 0) return NotOpen();
  pollfd waiting{fd_, POLLIN, 0};
  int ready;
  do {
    ready = ::poll(&waiting, 1, timeoutMs < 0 ? 0 : timeoutMs);
  } while (ready < 0 && errno == EINTR);
  if (ready < 0) return SystemError(errno, "cannot wait for a datagram");
  if (ready == 0 || !(waiting.revents & POLLIN))
    return base::Error::WithCode(ETIMEDOUT,
                                 "no datagram within " + std::to_string(timeoutMs) + " ms");

  // Read the whole datagram so that a long one is cut, not left half in the queue.
  std::vector<char> buffer(65536);
  sockaddr_in from{};
  socklen_t length = sizeof from;
  ssize_t got = ::recvfrom(fd_, buffer.data(), buffer.size(), MSG_DONTWAIT,
                           reinterpret_cast<sockaddr*>(&from), &length);
  if (got < 0) return SystemError(errno, "cannot receive a datagram");
  Datagram datagram;
  datagram.bytes.assign(buffer.data(), std::min(static_cast<size_t>(got), maxBytes));
  char text[INET_ADDRSTRLEN] = {};
  if (inet_ntop(AF_INET, &from.sin_addr, text, sizeof text)) datagram.host = text;
  datagram.port = ntohs(from.sin_port);
  return datagram;
}

void DatagramSocket::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace net
