// SingleInstance: the single-instance step. The first instance holds the lock on "fzdk" for
// its whole run, writes its window id to "窗口代号" and listens for restore requests on a
// local socket named after the run-files directory; a second start finds the lock held,
// asks the first instance to restore its window (and to open the file it was started with)
// and ends. What restoring and opening mean is the main window's business: it connects
// restoreRequested and openRequested.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>

#include "settings/run_files_directory.h"
#include "settings/settings_store.h"
#include "window/instance_lock.h"

class QLocalServer;

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

  // Takes the lock. Held: writes windowId as "窗口代号" and starts listening. Held by a
  // running instance: sends it the restore request (waiting a bounded time for its answer)
  // and returns SecondInstance, after which the process ends with exit code 0. A lock file
  // that cannot be opened or locked does not stop the start: Continue, without a lock.
  // fileToOpen: the file this start was given, handed to a running instance to open.
  SingleInstanceResult RunStep(SettingsStore& store, std::uint64_t windowId,
                               const std::filesystem::path& fileToOpen = {});

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
  void Listen();
  void Answer();

  RunFilesPaths m_paths;
  InstanceLock m_lock;
  QLocalServer* m_server{};
};

}  // namespace tabulex
