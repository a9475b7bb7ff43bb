#include "session/reset_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "settings/config_file.h"
#include "settings/settings_writer.h"
#include "support/settings_dialog_recorders.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;

class ResetSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_paths = RunFilesPathsIn(m_root / "Tabulo运行文件");
    fs::create_directories(m_paths.directory);
  }

  TempDirectory m_temp;
  const fs::path m_root{m_temp.Path()};
  RunFilesPaths m_paths;
};

TEST_F(ResetSettingsTest, ResetsInOrderAndDeletesTheFiles) {
  ConfigFile config(m_paths.configFile);
  CalcSettings settings;
  settings.alwaysOnTop = true;
  settings.hotkeyEnabled = true;
  settings.rememberWindow = true;
  settings.skinNumber = 3;
  settings.skinSlider = 20;
  settings.skinEffects = true;
  settings.backgroundColor = 255;
  settings.undoLimit = 300;
  settings.runCount = 99;
  settings.precisionDigits = 4;
  settings.closeAction = 2;
  settings.angleUnit = 2;
  settings.keepContent = true;
  WriteSettingsWindow(config, settings, true);
  std::ofstream(m_paths.backupFile) << "1+1=2";
  std::ofstream(m_paths.directory / "Tabulo备份文件.ini") << "x";
  std::ofstream(m_paths.lockFile) << '\0';

  EventLog log;
  RecordingEffects effects(log);
  ResetSettings(settings, m_paths, effects);

  EXPECT_EQ(log,
            (EventLog{"ApplyEditorFont Times New Roman 14 0", "ApplyBounds 150,150,800,400",
                      "SetUndoLimit 50", "ApplySkinEffects false", "ApplySkinTransparency 0",
                      "ApplySkin 8", "SetEditorBackgroundColor 16777215", "SetEdgeGraceTicks 30"}));
  EXPECT_EQ(settings.closeAction, 0);
  EXPECT_EQ(settings.skinNumber, 8);
  EXPECT_EQ(settings.skinSlider, 100);
  EXPECT_FALSE(settings.skinEffects);
  EXPECT_EQ(settings.undoLimit, 50);
  EXPECT_EQ(settings.runCount, 1);
  EXPECT_EQ(settings.precisionDigits, 13);
  EXPECT_EQ(settings.angleUnit, 1);
  EXPECT_FALSE(settings.alwaysOnTop);
  EXPECT_FALSE(settings.keepContent);
  // Not reset: they keep their values until the program ends.
  EXPECT_TRUE(settings.hotkeyEnabled);
  EXPECT_TRUE(settings.rememberWindow);
  EXPECT_EQ(settings.backgroundColor, 255);

  EXPECT_FALSE(config.Exists());
  EXPECT_FALSE(fs::exists(m_paths.backupFile));
  EXPECT_FALSE(fs::exists(m_paths.directory / "Tabulo备份文件.ini"));
  EXPECT_TRUE(fs::exists(m_paths.lockFile));

  // Missing files are no failure.
  log.clear();
  ResetSettings(settings, m_paths, effects);
  EXPECT_EQ(log.size(), 8u);
}

}  // namespace
}  // namespace tabulex
