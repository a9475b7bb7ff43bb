// SingleInstance: the single-instance step. The first instance holds the lock on "fzdk" for
// its whole run, listens for restore requests on a
// Unix-domain socket named after the run-files directory; a second start finds the lock held,
// asks the first instance to restore its window (and to open the file it was started with)
// and ends. The first instance also writes its window id to "窗口代号". What restoring and opening
// mean is the main window's business: it connects restoreRequested and openRequested.
#pragma once

#include <QObject>
#include <QString>

#include <sys/types.h>

#include <cstdint>
#include <filesystem>

#include "base/file_descriptor.h"
#include "settings/run_files_directory.h"
#include "settings/settings_store.h"
#include "window/instance_lock.h"

namespace tabulex {

enum class SingleInstanceResult {
  Continue,        // this instance goes on, holding the lock or (when none could be taken) not
  SecondInstance,  // another instance runs; it has been asked to restore its window
};

class SingleInstance final : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(RunFilesPaths paths, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Takes the lock. Held: starts listening. Held by a running instance: sends it the restore
  // request (waiting a bounded time for its answer) and returns SecondInstance, after which the
  // process ends with exit code 0. A lock file that cannot be opened or locked does not stop
  // the start: Continue, without a lock. fileToOpen: the file this start was given, handed to a
  // running instance to open.
  SingleInstanceResult RunStep(const std::filesystem::path& fileToOpen = {});

  // Writes windowId as "窗口代号" when this instance holds the lock. Apart from the step: the
  // write waits for the disk, and nothing reads the key while this instance runs, so the
  // window does not wait for it to be shown.
  void WriteWindowCode(SettingsStore& store, std::uint64_t windowId) const;

  bool HoldsLock() const { return m_lock.IsHeld(); }

  // The local socket's name for a run-files directory: one per directory and user.
  static QString ServerName(const std::filesystem::path& runFilesDirectory);

  // Asks the instance listening on serverName to restore its window, and to open fileToOpen
  // (an absolute path) when one is given, and waits for it to confirm. False when nobody
  // listens or nobody answers in time.
  static bool RequestRestore(const QString& serverName,
                             const std::filesystem::path& fileToOpen = {});

 signals:
  // A second start asked this instance to bring its window back.
  void restoreRequested();
  // ... and to open this file (after restoreRequested).
  void openRequested(const QString& path);

 private:
  class Connection;

  void Listen();

  RunFilesPaths m_paths;
  InstanceLock m_lock;
  FileDescriptor m_server;  // listening, while this instance holds the lock
  std::filesystem::path m_socketPath;
  ino_t m_socketFile{0};  // the socket's file, removed at the end if still this one
};

}  // namespace tabulex
