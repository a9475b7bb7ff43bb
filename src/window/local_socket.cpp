#include "window/local_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace tabulex {
namespace {

using Clock = std::chrono::steady_clock;

std::optional<sockaddr_un> AddressOf(const std::filesystem::path& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string& text = path.native();
  if (text.empty() || text.size() >= sizeof address.sun_path) return std::nullopt;
  std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
  return address;
}

FileDescriptor NewSocket() {
  return FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
}

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits until fd is ready for events or the deadline passes.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

}  // namespace

FileDescriptor LocalSocket::Listen(const std::filesystem::path& path) {
  if (!AddressOf(path)) return FileDescriptor();
  std::string directory = (path.parent_path() / ".tabulex-XXXXXX").native();
  if (::mkdtemp(directory.data()) == nullptr) return FileDescriptor();
  const std::filesystem::path bound = std::filesystem::path(directory) / "s";
  const std::optional<sockaddr_un> address = AddressOf(bound);
  FileDescriptor socket = NewSocket();
  const bool listening =
      address && socket.IsOpen() &&
      ::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
      ::chmod(bound.c_str(), S_IRUSR | S_IWUSR) == 0 && ::listen(socket.Get(), 50) == 0 &&
      ::rename(bound.c_str(), path.c_str()) == 0;
  if (!listening) {
    ::unlink(bound.c_str());
    socket.Close();
  }
  ::rmdir(directory.c_str());
  return socket;
}

FileDescriptor LocalSocket::Accept(int listening) {
  for (;;) {
    const int fd = ::accept4(listening, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd >= 0 || errno != EINTR) return FileDescriptor(fd);
  }
}

FileDescriptor LocalSocket::Connect(const std::filesystem::path& path, int timeoutMs) {
  const std::optional<sockaddr_un> address = AddressOf(path);
  if (!address) return FileDescriptor();
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    FileDescriptor socket = NewSocket();
    if (!socket.IsOpen()) return socket;
    if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) ==
        0) {
      return socket;
    }
    if (errno == EINPROGRESS) {
      int error = 0;
      socklen_t length = sizeof error;
      if (WaitFor(socket.Get(), POLLOUT, deadline) &&
          ::getsockopt(socket.Get(), SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
        return socket;
      }
      return FileDescriptor();
    }
    // A full backlog: the listener is busy, not gone. Anything else is final.
    if ((errno != EAGAIN && errno != EINTR) || MillisecondsLeft(deadline) == 0) {
      return FileDescriptor();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

bool LocalSocket::SendAll(int fd, std::string_view bytes, int timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!bytes.empty()) {
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      if (!WaitFor(fd, POLLOUT, deadline)) return false;
    } else if (errno != EINTR) {
      return false;
    }
  }
  return true;
}

bool LocalSocket::ReceiveAvailable(int fd, std::string& received, std::size_t maxBytes) {
  char buffer[4096];
  while (received.size() < maxBytes) {
    const std::size_t room = std::min(sizeof buffer, maxBytes - received.size());
    const ssize_t count = ::recv(fd, buffer, room, 0);
    if (count > 0) {
      received.append(buffer, static_cast<std::size_t>(count));
    } else if (count == 0) {
      return false;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      return true;
    } else if (errno != EINTR) {
      return false;
    }
  }
  return true;
}

std::optional<std::string> LocalSocket::ReceiveLine(int fd, std::size_t maxBytes, int timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  std::string received;
  for (;;) {
    const bool open = ReceiveAvailable(fd, received, maxBytes);
    if (received.find('\n') != std::string::npos || received.size() >= maxBytes) return received;
    if (!open || !WaitFor(fd, POLLIN, deadline)) return std::nullopt;
  }
}

}  // namespace tabulex
