// A Unix-domain stream socket at a path, for the single-instance hand-off: a listening socket
// only its user may connect to, and the bounded waits of the side that connects. Plain POSIX
// calls: the desktop program does without a networking library for this one socket.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_descriptor.h"

namespace tabulex {

class LocalSocket {
 public:
  // Listens at path, non-blocking, readable and writable by this user only. A socket or file
  // already at path is replaced (the caller holds the lock that makes it a leftover): the new
  // socket is bound in a private directory and renamed into place, so no one else can reach it
  // before its permissions are set. Not open on failure.
  static FileDescriptor Listen(const std::filesystem::path& path);

  // The next connection waiting on a listening socket, non-blocking; not open when none waits.
  static FileDescriptor Accept(int listening);

  // Connects to the socket at path, waiting up to timeoutMs; not open on failure.
  static FileDescriptor Connect(const std::filesystem::path& path, int timeoutMs);

  // Writes all of bytes, waiting up to timeoutMs in all.
  static bool SendAll(int fd, std::string_view bytes, int timeoutMs);

  // Reads until a line end has arrived (the bytes up to and with it) or maxBytes have, waiting
  // up to timeoutMs in all; nothing when the other side closes or the time runs out first.
  static std::optional<std::string> ReceiveLine(int fd, std::size_t maxBytes, int timeoutMs);

  // Reads what is there without waiting, adding to received up to maxBytes in all. False when
  // the other side has closed or the connection failed.
  static bool ReceiveAvailable(int fd, std::string& received, std::size_t maxBytes);
};

}  // namespace tabulex
