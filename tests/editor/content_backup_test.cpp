#include "editor/content_backup.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_io.h"
#include "engine/gbk_text.h"
#include "engine/text_buffer.h"
#include "settings/config_file.h"
#include "settings/run_files_directory.h"
#include "settings/settings_writer.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

const std::string kBlank = [] {
  std::string text;
  for (int i = 0; i < 45; ++i) text += "\r\n";
  return text;
}();

struct CutCase {
  const char* name;
  std::string_view bytes;
  std::string_view opened;
  std::string_view dropped;
};

// "价" is BC DB in GBK; "\032" is Ctrl+Z (0x1A), written in octal so that a following
// letter or digit cannot join the escape.
// clang-format off
const CutCase kCutCases[] = {
    {"no end byte", "1+2=3\r\n4", "1+2=3\r\n4", "1+2=3\r\n4"},
    {"empty", "", "", ""},
    {"NUL", "1+2\0003"sv, "1+2", "1+2"},
    {"Ctrl+Z ends only an opened file", "1+2\0323\0004"sv, "1+2", "1+2\0323"},
    {"Ctrl+Z first", "\0321", "", "\0321"},
    {"Chinese text, then Ctrl+Z", "\xBC\xDB\0321", "\xBC\xDB", "\xBC\xDB\0321"},
    {"Ctrl+Z as the second byte of a pair", "\x81\0321\0322", "\x81\0321", "\x81\0321\0322"},
    {"0x80 and 0xFF start pairs too", "\x80\032\xFF\032a", "\x80\032\xFF\032a",
     "\x80\032\xFF\032a"},
    // Pairs are counted from the start: here the second 0x81 ends a pair.
    {"Ctrl+Z after a completed pair", "\x81\x81\032a", "\x81\x81", "\x81\x81\032a"},
    {"a first byte of a pair at the end", "a\x81", "a\x81", "a\x81"},
    // A NUL never enters the document, not even as the second byte of a pair.
    {"NUL as the second byte of a pair", "a\x81\000b"sv, "a\x81", "a\x81"},
};
// clang-format on

TEST(ContentBackupTest, FileBytesBecomeTextUpToTheEndByte) {
  for (const CutCase& row : kCutCases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(OpenedFileText(row.bytes), row.opened);
    EXPECT_EQ(DroppedFileText(row.bytes), row.dropped);
  }
}

class ContentBackupFiles : public ::testing::Test {
 protected:
  void SetUp() override { m_paths = RunFilesPathsIn(m_temp.Path()); }

  void WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::string ReadBytes(const fs::path& path) {
    std::string bytes;
    EXPECT_FALSE(ReadFile(path, bytes).has_value());
    return bytes;
  }

  void WriteCaret(std::string_view value) {
    ASSERT_TRUE(ConfigFile(m_paths.configFile)
                    .WriteKey(Utf8ToGbk("运行设置"), Utf8ToGbk("起始选择位置"), value));
  }

  TempDirectory m_temp;
  RunFilesPaths m_paths;
};

TEST_F(ContentBackupFiles, ReadsOpenedAndDroppedFilesByTheirRules) {
  const fs::path file = m_paths.directory / "a.txt";
  WriteBytes(file, "1\0322\0003"sv);
  EXPECT_EQ(ReadDroppedFile(file), "1\0322");
  EXPECT_EQ(ReadDroppedFile(m_paths.directory / "missing.txt"), std::nullopt);
  EXPECT_EQ(ReadDroppedFile(m_paths.directory), std::nullopt);
}

enum class Keep { Off, On };

struct RestoreCase {
  const char* name;
  Keep keep;
  std::optional<std::string_view> backup;  // the backup file's bytes; none: no file
  std::optional<std::string_view> caret;   // 起始选择位置; none: no key
  std::string_view editor;                 // the editor text before
  std::string_view text;                   // afterwards
  std::size_t caretAfter;
  RestoredText result;
};

const RestoreCase kRestoreCases[] = {
    {"kept text and caret", Keep::On, "1+2=3\r\n4+5", "7", "", "1+2=3\r\n4+5", 7,
     RestoredText::Backup},
    {"up to the first NUL; caret at most at the end", Keep::On, "12\00034"sv, "9", "", "12", 2,
     RestoredText::Backup},
    {"Ctrl+Z is kept", Keep::On, "1\0322", "0", "", "1\0322", 0, RestoredText::Backup},
    {"caret inside a two-byte character", Keep::On, "\xBC\xDB\xB8\xF1", "3", "", "\xBC\xDB\xB8\xF1",
     2, RestoredText::Backup},
    {"no caret key", Keep::On, "1+1", std::nullopt, "", "1+1", 0, RestoredText::Backup},
    {"negative caret", Keep::On, "1+1", "-4", "", "1+1", 0, RestoredText::Backup},
    {"empty backup", Keep::On, "", "5", "x", "", 0, RestoredText::Backup},
    {"no backup file", Keep::On, std::nullopt, "5", "", kBlank, 0, RestoredText::BlankDocument},
    {"backup ignored when not kept", Keep::Off, "1+1", "2", "", kBlank, 0,
     RestoredText::BlankDocument},
    {"not kept, the editor has a text", Keep::Off, "1+1", "2", "x", "x", 0,
     RestoredText::Unchanged},
};

TEST_F(ContentBackupFiles, RestoreCases) {
  for (const RestoreCase& row : kRestoreCases) {
    SCOPED_TRACE(row.name);
    fs::remove(m_paths.backupFile);
    fs::remove(m_paths.configFile);
    if (row.backup) WriteBytes(m_paths.backupFile, *row.backup);
    if (row.caret) WriteCaret(*row.caret);
    TextBuffer editor{std::string(row.editor)};

    EXPECT_EQ(RestoreContentBackup(editor, row.keep == Keep::On, m_paths.backupFile,
                                   ConfigFile(m_paths.configFile)),
              row.result);
    EXPECT_EQ(editor.Text(), row.text);
    EXPECT_EQ(editor.Caret(), row.caretAfter);
    EXPECT_EQ(editor.SelectionLength(), 0u);
  }
}

TEST_F(ContentBackupFiles, UnreadableBackupGivesAnEmptyText) {
  fs::create_directory(m_paths.backupFile);
  TextBuffer editor;
  EXPECT_EQ(RestoreContentBackup(editor, true, m_paths.backupFile, ConfigFile(m_paths.configFile)),
            RestoredText::UnreadableBackup);
  EXPECT_EQ(editor.Text(), "");
}

// Text typed before closing comes back at the next start with the caret where it was.
TEST_F(ContentBackupFiles, ShutdownAndStartupCarryTheText) {
  const std::string text = Utf8ToGbk("价格=0.3+0.5\r\n1∟3+2\r\n\r\n");
  TextBuffer before{text};
  before.SetCaret(6);
  CalcSettings settings;
  settings.keepContent = true;
  ConfigFile config(m_paths.configFile);
  SaveOnClose(config, m_paths, EditorProperties{}, static_cast<std::int64_t>(before.Caret()),
              settings);
  EXPECT_EQ(SaveContentBackup(before, m_paths.backupFile), std::nullopt);
  EXPECT_EQ(ReadBytes(m_paths.backupFile), text);  // no header, no terminator

  TextBuffer after;
  EXPECT_EQ(RestoreContentBackup(after, true, m_paths.backupFile, config), RestoredText::Backup);
  EXPECT_EQ(after.Text(), text);
  EXPECT_EQ(after.Caret(), 6u);
}

TEST_F(ContentBackupFiles, SaveReplacesTheBackup) {
  WriteBytes(m_paths.backupFile, "old text that is longer");
  EXPECT_EQ(SaveContentBackup(TextBuffer{"new"}, m_paths.backupFile), std::nullopt);
  EXPECT_EQ(ReadBytes(m_paths.backupFile), "new");

  const fs::path missing = m_paths.directory / "gone" / "Tabulo备份文件.txt";
  EXPECT_NE(SaveContentBackup(TextBuffer{"x"}, missing), std::nullopt);
  EXPECT_FALSE(fs::exists(missing));
}

TEST_F(ContentBackupFiles, FailedSaveLeavesTheOldBackupWhole) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write into a read-only directory";
  WriteBytes(m_paths.backupFile, "kept");
  fs::permissions(m_paths.directory, fs::perms::owner_read | fs::perms::owner_exec);
  const std::optional<std::string> failure =
      SaveContentBackup(TextBuffer{"lost"}, m_paths.backupFile);
  fs::permissions(m_paths.directory, fs::perms::owner_all);
  EXPECT_NE(failure, std::nullopt);
  EXPECT_EQ(ReadBytes(m_paths.backupFile), "kept");
}

// A clock the test sets.
class SetTicks final : public TickSource {
 public:
  std::uint64_t NowMilliseconds() override { return now; }
  std::uint64_t now{0};
};

enum class Act { Change, Ask, KeepOn, KeepOff };

struct SchedulerStep {
  std::uint64_t at;
  Act act;
  bool due;  // Ask: the answer
};

struct SchedulerCase {
  const char* name;
  std::vector<SchedulerStep> steps;
};

const SchedulerCase kSchedulerCases[] = {
    {"nothing changed", {{0, Act::KeepOn, false}, {10000, Act::Ask, false}}},
    {"once, three seconds after the change",
     {{0, Act::KeepOn, false},
      {1000, Act::Change, false},
      {3999, Act::Ask, false},
      {4000, Act::Ask, true},
      {4001, Act::Ask, false},
      {60000, Act::Ask, false}}},
    {"each change starts the wait again",
     {{0, Act::KeepOn, false},
      {0, Act::Change, false},
      {2000, Act::Change, false},
      {3000, Act::Ask, false},
      {4999, Act::Ask, false},
      {5000, Act::Ask, true}}},
    {"late asking still writes",
     {{0, Act::KeepOn, false}, {0, Act::Change, false}, {90000, Act::Ask, true}}},
    {"a change after a backup is backed up again",
     {{0, Act::KeepOn, false},
      {0, Act::Change, false},
      {3000, Act::Ask, true},
      {3500, Act::Change, false},
      {6499, Act::Ask, false},
      {6500, Act::Ask, true}}},
    {"nothing while the text is not kept; the change waits for it",
     {{0, Act::Change, false},
      {5000, Act::Ask, false},
      {6000, Act::KeepOn, false},
      {6000, Act::Ask, true},
      {7000, Act::Change, false},
      {7500, Act::KeepOff, false},
      {20000, Act::Ask, false}}},
};

TEST(ContentBackupSchedulerTest, Sequences) {
  for (const SchedulerCase& row : kSchedulerCases) {
    SCOPED_TRACE(row.name);
    SetTicks ticks;
    CalcSettings settings;
    ContentBackupScheduler scheduler{ticks, settings};
    for (const SchedulerStep& step : row.steps) {
      SCOPED_TRACE(step.at);
      ticks.now = step.at;
      switch (step.act) {
        case Act::Change:
          scheduler.TextChanged();
          break;
        case Act::Ask:
          EXPECT_EQ(scheduler.BackupDue(), step.due);
          break;
        case Act::KeepOn:
          settings.keepContent = true;
          break;
        case Act::KeepOff:
          settings.keepContent = false;
          break;
      }
    }
  }
}

}  // namespace
}  // namespace tabulex
