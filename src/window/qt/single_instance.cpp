#include "window/qt/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUrl>

#include <string>
#include <system_error>
#include <utility>

#include "settings/setting_keys.h"

namespace tabulex {
namespace {

// "restore\n", or "open " and a percent-encoded absolute path, then "\n".
constexpr char kRequest[] = "restore\n";
constexpr char kOpenRequest[] = "open ";
constexpr char kAnswer[] = "ok\n";
// Whatever connects is never read beyond this: room for the longest path, percent-encoded.
constexpr qint64 kMaxRequestBytes = 16 * 1024;
// Bounds for the second instance, so that a frozen first instance cannot hold it up forever.
constexpr int kConnectMs = 2000;
constexpr int kAnswerMs = 5000;

}  // namespace

SingleInstance::SingleInstance(RunFilesPaths paths, QObject* parent)
    : QObject(parent), m_paths{std::move(paths)} {}

SingleInstance::~SingleInstance() = default;

SingleInstanceResult SingleInstance::RunStep(SettingsStore& store, std::uint64_t windowId,
                                             const std::filesystem::path& fileToOpen) {
  switch (m_lock.Acquire(m_paths.lockFile)) {
    case LockOutcome::Held:
      WriteSetting(store, SettingId::WindowCode, std::to_string(windowId));
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
  QLocalSocket socket;
  socket.connectToServer(serverName);
  if (!socket.waitForConnected(kConnectMs)) return false;
  if (fileToOpen.empty()) {
    socket.write(kRequest);
  } else {
    socket.write(QByteArray(kOpenRequest) +
                 QUrl::toPercentEncoding(QString::fromStdString(fileToOpen.string())) + "\n");
  }
  socket.flush();
  QByteArray answer;
  while (!answer.contains('\n') && answer.size() < kMaxRequestBytes) {
    if (!socket.waitForReadyRead(kAnswerMs)) return false;
    answer += socket.readAll();
  }
  socket.disconnectFromServer();
  return answer.startsWith(kAnswer);
}

void SingleInstance::Listen() {
  const QString name = ServerName(m_paths.directory);
  m_server = new QLocalServer(this);
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::Answer);
  if (m_server->listen(name)) return;
  // We hold the lock, so a socket left under this name is a crashed instance's.
  QLocalServer::removeServer(name);
  m_server->listen(name);
}

void SingleInstance::Answer() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto read = [this, socket, received = QByteArray()]() mutable {
      received += socket->read(kMaxRequestBytes - received.size());
      if (!received.contains('\n')) {
        if (received.size() >= kMaxRequestBytes) socket->abort();
        return;
      }
      const bool open = received.startsWith(kOpenRequest);
      if (received.startsWith(kRequest) || open) {
        socket->write(kAnswer);
        socket->flush();
        emit restoreRequested();
        if (open) {
          const qsizetype start = qsizetype(sizeof kOpenRequest) - 1;
          emit openRequested(
              QUrl::fromPercentEncoding(received.mid(start, received.indexOf('\n') - start)));
        }
      }
      socket->disconnectFromServer();
    };
    connect(socket, &QLocalSocket::readyRead, socket, read);
  }
}

}  // namespace tabulex
