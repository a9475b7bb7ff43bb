#include "editor/recovery_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "base/file_io.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;

class RecoveryFileTest : public ::testing::Test {
 protected:
  void Leave(const char* name, const RecoveredDocument& document, ProcessIdentity owner) {
    ASSERT_FALSE(WriteFileAtomically(m_dir / name, RecoveryFile::Encode(document, owner)));
  }

  TempDirectory m_temp;
  const fs::path m_dir{m_temp.Path()};
};

// A process that certainly does not run.
constexpr ProcessIdentity kGone{0, 0};
TEST_F(RecoveryFileTest, KeepsTextCaretFileAndFormatWhateverTheyHold) {
  const RecoveredDocument documents[] = {
      {"1+1=2\r\n\xBC\xDB\r\n", 7, m_dir / "账单 100% 新\n.txt",
       TextFileFormat{FileEncoding::Utf8, true, LineEnd::Cr}},
      {"", 0, "", TextFileFormat{}},
      {"caret\nand file\n\ncaret 3\n", 3, "/tmp/x",
       TextFileFormat{FileEncoding::Gbk, false, LineEnd::Lf}},
  };
  for (const RecoveredDocument& document : documents) {
    SCOPED_TRACE(document.fileName.string());
    ProcessIdentity owner;
    const std::optional<RecoveredDocument> read =
        RecoveryFile::Decode(RecoveryFile::Encode(document, ProcessIdentity{42, 7}), &owner);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->text, document.text);
    EXPECT_EQ(read->caret, document.caret);
    EXPECT_EQ(read->fileName, document.fileName);
    EXPECT_EQ(read->format, document.format);
    EXPECT_EQ(owner, (ProcessIdentity{42, 7}));
  }
  EXPECT_FALSE(RecoveryFile::Decode("1+1=2"));
  EXPECT_FALSE(RecoveryFile::Decode("TABULEX-RECOVERY 1\nowner x 1\n"));
}

TEST_F(RecoveryFileTest, ThisProcessRunsAndAGoneOneDoesNot) {
  EXPECT_TRUE(IsRunning(ThisProcess()));
  EXPECT_FALSE(IsRunning(kGone));
  ProcessIdentity reused = ThisProcess();
  reused.startTime += 1;  // the same number, another process
  EXPECT_FALSE(IsRunning(reused));
}

// Only the files of processes that no longer run are left over; a running instance's file is
// never taken, and this process's own never either.
TEST_F(RecoveryFileTest, LeftOverAreTheFilesOfProcessesThatNoLongerRun) {
  const RecoveredDocument document{"1+1", 3, "", {}};
  Leave("Tabulo恢复文件.txt", document, kGone);
  Leave("Tabulo恢复文件-77.txt", document, ThisProcess());
  ASSERT_FALSE(WriteFileAtomically(m_dir / "Tabulo恢复文件-88.txt", "garbage"));
  ASSERT_FALSE(WriteFileAtomically(m_dir / "other.txt", "1+1"));
  RecoveryFile recovery(m_dir, ThisProcess());
  const std::vector<fs::path> left = recovery.LeftOver();
  ASSERT_EQ(left.size(), 2u);
  EXPECT_TRUE((left[0].filename() == "Tabulo恢复文件.txt" &&
               left[1].filename() == "Tabulo恢复文件-88.txt") ||
              (left[1].filename() == "Tabulo恢复文件.txt" &&
               left[0].filename() == "Tabulo恢复文件-88.txt"));
}

TEST_F(RecoveryFileTest, AnotherRunningInstanceKeepsItsFileAndThisOneWritesItsOwn) {
  const RecoveredDocument theirs{"theirs", 0, "", {}};
  const RecoveredDocument mine{"mine", 0, "", {}};
  Leave("Tabulo恢复文件.txt", theirs, ThisProcess());  // "another" instance that runs
  const ProcessIdentity me{ThisProcess().pid + 1000000, 5};
  RecoveryFile recovery(m_dir, me);
  ASSERT_FALSE(recovery.Write(mine));
  EXPECT_EQ(RecoveryFile::Read(m_dir / "Tabulo恢复文件.txt").value_or(RecoveredDocument{}).text,
            "theirs");
  const fs::path own = m_dir / ("Tabulo恢复文件-" + std::to_string(me.pid) + ".txt");
  EXPECT_EQ(RecoveryFile::Read(own).value_or(RecoveredDocument{}).text, "mine");
  recovery.Remove();
  EXPECT_FALSE(fs::exists(own));
  EXPECT_TRUE(fs::exists(m_dir / "Tabulo恢复文件.txt"));

  // Alone, an instance writes the usual name.
  fs::remove(m_dir / "Tabulo恢复文件.txt");
  RecoveryFile alone(m_dir, ThisProcess());
  ASSERT_FALSE(alone.Write(mine));
  EXPECT_TRUE(fs::exists(m_dir / "Tabulo恢复文件.txt"));
}

}  // namespace
}  // namespace tabulex
