#include "window/qt/single_instance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QSocketNotifier>
#include <QUrl>

#include <string>
#include <system_error>
#include <utility>

#include "settings/setting_keys.h"
#include "window/local_socket.h"

namespace tabulex {
namespace {

// "restore\n", or "open " and a percent-encoded absolute path, then "\n".
constexpr char kRequest[] = "restore\n";
constexpr char kOpenRequest[] = "open ";
constexpr char kAnswer[] = "ok\n";
// Whatever connects is never read beyond this: room for the longest path, percent-encoded.
constexpr std::size_t kMaxRequestBytes = 16 * 1024;
// Bounds for the second instance, so that a frozen first instance cannot hold it up forever.
constexpr int kConnectMs = 2000;
constexpr int kAnswerMs = 5000;

// Where the socket of a server name lies: the temporary directory, as for every local server.
std::filesystem::path SocketPath(const QString& serverName) {
  return std::filesystem::path(QDir::tempPath().toStdString()) / serverName.toStdString();
}

}  // namespace

// One connection of a second start: its request is read as it arrives, answered and closed.
class SingleInstance::Connection final : public QObject {
 public:
  Connection(FileDescriptor socket, SingleInstance& owner)
      : QObject(&owner), m_socket{std::move(socket)}, m_owner{owner} {
    m_notifier = new QSocketNotifier(m_socket.Get(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &Connection::Read);
  }

 private:
  void Read() {
    const bool open = LocalSocket::ReceiveAvailable(m_socket.Get(), m_received, kMaxRequestBytes);
    const std::size_t end = m_received.find('\n');
    if (end == std::string::npos) {
      if (!open || m_received.size() >= kMaxRequestBytes) Finish();
      return;
    }
    const bool restore = m_received.starts_with(kRequest);
    const bool openFile = m_received.starts_with(kOpenRequest);
    if (restore || openFile) {
      LocalSocket::SendAll(m_socket.Get(), kAnswer, kAnswerMs);
      emit m_owner.restoreRequested();
      if (openFile) {
        const std::size_t start = sizeof kOpenRequest - 1;
        emit m_owner.openRequested(QUrl::fromPercentEncoding(
            QByteArray::fromStdString(m_received.substr(start, end - start))));
      }
    }
    Finish();
  }
  void Finish() {
    m_notifier->setEnabled(false);
    m_socket.Close();
    deleteLater();
  }

  FileDescriptor m_socket;
  SingleInstance& m_owner;
  QSocketNotifier* m_notifier{};
  std::string m_received;
};

SingleInstance::SingleInstance(RunFilesPaths paths, QObject* parent)
    : QObject(parent), m_paths{std::move(paths)} {}

SingleInstance::~SingleInstance() {
  // The socket goes with the server, unless another instance has taken its place since.
  struct stat bound {};
  if (m_server.IsOpen() && ::stat(m_socketPath.c_str(), &bound) == 0 &&
      bound.st_ino == m_socketFile) {
    ::unlink(m_socketPath.c_str());
  }
}

SingleInstanceResult SingleInstance::RunStep(const std::filesystem::path& fileToOpen) {
  switch (m_lock.Acquire(m_paths.lockFile)) {
    case LockOutcome::Held:
      Listen();
      return SingleInstanceResult::Continue;
    case LockOutcome::HeldElsewhere:
      RequestRestore(ServerName(m_paths.directory), fileToOpen);
      return SingleInstanceResult::SecondInstance;
    case LockOutcome::Unavailable:
      break;
  }
  return SingleInstanceResult::Continue;
}

void SingleInstance::WriteWindowCode(SettingsStore& store, std::uint64_t windowId) const {
  if (HoldsLock()) WriteSetting(store, SettingId::WindowCode, std::to_string(windowId));
}

QString SingleInstance::ServerName(const std::filesystem::path& runFilesDirectory) {
  std::error_code error;
  std::filesystem::path directory = std::filesystem::weakly_canonical(runFilesDirectory, error);
  if (error) directory = runFilesDirectory;
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArray::number(static_cast<qulonglong>(::getuid())));
  hash.addData(QByteArrayView("\0", 1));
  hash.addData(QByteArray::fromStdString(directory.string()));
  return QStringLiteral("tabulex-") + QString::fromLatin1(hash.result().toHex().left(32));
}

bool SingleInstance::RequestRestore(const QString& serverName,
                                    const std::filesystem::path& fileToOpen) {
  const FileDescriptor socket = LocalSocket::Connect(SocketPath(serverName), kConnectMs);
  if (!socket.IsOpen()) return false;
  const std::string request =
      fileToOpen.empty()
          ? std::string(kRequest)
          : kOpenRequest +
                QUrl::toPercentEncoding(QString::fromStdString(fileToOpen.string())).toStdString() +
                "\n";
  if (!LocalSocket::SendAll(socket.Get(), request, kAnswerMs)) return false;
  const std::optional<std::string> answer =
      LocalSocket::ReceiveLine(socket.Get(), kMaxRequestBytes, kAnswerMs);
  return answer && answer->starts_with(kAnswer);
}

void SingleInstance::Listen() {
  m_socketPath = SocketPath(ServerName(m_paths.directory));
  m_server = LocalSocket::Listen(m_socketPath);
  if (!m_server.IsOpen()) return;
  struct stat bound {};
  if (::stat(m_socketPath.c_str(), &bound) == 0) m_socketFile = bound.st_ino;
  auto* notifier = new QSocketNotifier(m_server.Get(), QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] {
    for (;;) {
      FileDescriptor socket = LocalSocket::Accept(m_server.Get());
      if (!socket.IsOpen()) break;
      new Connection(std::move(socket), *this);
    }
  });
}

}  // namespace tabulex
