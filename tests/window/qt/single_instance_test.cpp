#include "window/qt/single_instance.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

#include "settings/config_file.h"
#include "settings/setting_keys.h"
#include "support/temp_directory.h"
#include "window/instance_lock.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;

// A run-files directory of its own for every test.
class SingleInstanceTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(m_root / "Tabulo运行文件");
    paths = RunFilesPathsIn(m_root / "Tabulo运行文件");
  }

  // Runs work on a thread of its own, as another process would, while this thread's event
  // loop serves the first instance. The deadline only keeps a broken build from hanging.
  static void RunBesideEventLoop(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    std::thread thread([&] {
      work();
      done = true;
    });
    const QDeadlineTimer deadline(30000);
    while (!done && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    thread.join();
  }

  std::string WindowCode() const {
    return ReadSetting(ConfigFile(paths.configFile), SettingId::WindowCode);
  }

  TempDirectory m_temp;
  const fs::path m_root{m_temp.Path()};
  RunFilesPaths paths;
};

TEST_F(SingleInstanceTest, ASecondStartWakesTheFirstAndEndsWithoutTouchingItsWindowCode) {
  ConfigFile config(paths.configFile);
  SingleInstance first(paths);
  int restores = 0;
  QObject::connect(&first, &SingleInstance::restoreRequested, [&] { ++restores; });
  ASSERT_EQ(first.RunStep(), SingleInstanceResult::Continue);
  EXPECT_TRUE(first.HoldsLock());
  first.WriteWindowCode(config, 4242);
  EXPECT_EQ(WindowCode(), "4242");

  SingleInstance second(paths);
  SingleInstanceResult result = SingleInstanceResult::Continue;
  RunBesideEventLoop([&] {
    ConfigFile ownConfig(paths.configFile);
    result = second.RunStep();
    second.WriteWindowCode(ownConfig, 99);
  });
  EXPECT_EQ(result, SingleInstanceResult::SecondInstance);
  EXPECT_FALSE(second.HoldsLock());
  EXPECT_EQ(restores, 1);
  EXPECT_EQ(WindowCode(), "4242");
}

// A second start with a file hands the file over: the running instance comes back and opens it.
TEST_F(SingleInstanceTest, ASecondStartWithAFileHandsItToTheFirst) {
  SingleInstance first(paths);
  std::vector<std::string> events;
  QObject::connect(&first, &SingleInstance::restoreRequested, [&] { events.push_back("restore"); });
  QObject::connect(&first, &SingleInstance::openRequested,
                   [&](const QString& path) { events.push_back("open " + path.toStdString()); });
  ASSERT_EQ(first.RunStep(), SingleInstanceResult::Continue);

  const fs::path file = m_root / "账单 100%.txt";
  SingleInstance second(paths);
  SingleInstanceResult result = SingleInstanceResult::Continue;
  RunBesideEventLoop([&] { result = second.RunStep(file); });
  EXPECT_EQ(result, SingleInstanceResult::SecondInstance);
  EXPECT_EQ(events, (std::vector<std::string>{"restore", "open " + file.string()}));
}

TEST_F(SingleInstanceTest, ASocketLeftByACrashedInstanceDoesNotStopTheNextFromListening) {
  QFile stale(QDir::tempPath() + "/" + SingleInstance::ServerName(paths.directory));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.close();

  SingleInstance first(paths);
  int restores = 0;
  QObject::connect(&first, &SingleInstance::restoreRequested, [&] { ++restores; });
  ASSERT_EQ(first.RunStep(), SingleInstanceResult::Continue);

  bool answered = false;
  RunBesideEventLoop([&] {
    answered = SingleInstance::RequestRestore(SingleInstance::ServerName(paths.directory));
  });
  EXPECT_TRUE(answered);
  EXPECT_EQ(restores, 1);
}

TEST_F(SingleInstanceTest, AHolderThatDoesNotAnswerStillEndsTheSecondStart) {
  InstanceLock holder;
  ASSERT_EQ(holder.Acquire(paths.lockFile), LockOutcome::Held);
  ConfigFile config(paths.configFile);
  SingleInstance second(paths);
  EXPECT_EQ(second.RunStep(), SingleInstanceResult::SecondInstance);
  second.WriteWindowCode(config, 7);
  EXPECT_FALSE(config.Exists());
}

TEST_F(SingleInstanceTest, WithoutALockToTakeEveryStartGoesOn) {
  // First run: the run-files directory does not exist yet.
  fs::remove_all(paths.directory);
  ConfigFile config(paths.configFile);
  SingleInstance first(paths);
  SingleInstance second(paths);
  EXPECT_EQ(first.RunStep(), SingleInstanceResult::Continue);
  EXPECT_EQ(second.RunStep(), SingleInstanceResult::Continue);
  first.WriteWindowCode(config, 1);
  EXPECT_FALSE(first.HoldsLock());
  EXPECT_FALSE(second.HoldsLock());
  EXPECT_FALSE(fs::exists(paths.directory));
}

TEST_F(SingleInstanceTest, OneDirectoryHasOneServerNameHoweverItIsSpelt) {
  const QString name = SingleInstance::ServerName(paths.directory);
  fs::create_directories(m_root / "sub");
  fs::create_directory_symlink(paths.directory, m_root / "link");
  EXPECT_EQ(SingleInstance::ServerName(m_root / "sub" / ".." / "Tabulo运行文件"), name);
  EXPECT_EQ(SingleInstance::ServerName(m_root / "link"), name);
  EXPECT_NE(SingleInstance::ServerName(m_root / "sub"), name);
}

}  // namespace
}  // namespace tabulex
