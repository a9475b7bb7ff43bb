#include "editor/document_recovery.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "base/file_io.h"
#include "editor/scripted_file_dialogs.h"
#include "engine/text_buffer.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

class DocumentRecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_file.emplace(m_dir, ThisProcess());
    m_recovery.emplace(editor, document, dialogs, *m_file, settings);
  }

  fs::path Kept() const { return m_dir / RecoveryFile::kName; }
  void Type(const char* text) {
    editor.SetText(text);
    document.TextChanged();
  }

  TempDirectory m_temp;
  const fs::path m_dir{m_temp.Path()};
  TextBuffer editor;
  DocumentState document;
  ScriptedDialogs dialogs;
  CalcSettings settings;
  std::optional<RecoveryFile> m_file;
  std::optional<DocumentRecovery> m_recovery;
};

TEST_F(DocumentRecoveryTest, UnsavedChangesAreKeptUntilNothingIsUnsaved) {
  m_recovery->Keep();
  EXPECT_FALSE(fs::exists(Kept()));  // nothing unsaved yet

  Type("1+1=2\r\n");
  editor.SetCaret(3);
  m_recovery->Keep();
  const std::optional<RecoveredDocument> kept = RecoveryFile::Read(Kept());
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->text, "1+1=2\r\n");
  EXPECT_EQ(kept->caret, 3u);

  document.Saved(m_dir / "sums.txt", TextFileFormat{});
  m_recovery->DropIfNothingUnsaved();
  EXPECT_FALSE(fs::exists(Kept()));

  // With keepContent the text backup keeps the text: one writer, not two.
  Type("2+2");
  settings.keepContent = true;
  m_recovery->Keep();
  EXPECT_FALSE(fs::exists(Kept()));
}

// What a run that did not end left comes back on "是" as an unsaved document with its file,
// format and caret, kept again at once; "否" removes it.
TEST_F(DocumentRecoveryTest, LeftOversAreOfferedAtTheStart) {
  const RecoveredDocument left{"\xBC\xDB=1+1\r\n", 2, m_dir / "账单.txt",
                               TextFileFormat{FileEncoding::Utf8, false, LineEnd::Lf}};
  for (const bool answer : {false, true}) {
    SCOPED_TRACE(answer ? "是" : "否");
    ASSERT_FALSE(WriteFileAtomically(Kept(), RecoveryFile::Encode(left, ProcessIdentity{0, 0})));
    dialogs.shown.clear();
    dialogs.recover = {answer};
    EXPECT_EQ(m_recovery->OfferLeftOvers(), answer);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"recovery question"});
    EXPECT_EQ(editor.Text(), answer ? left.text : "");
    if (!answer) {
      EXPECT_FALSE(fs::exists(Kept()));
      continue;
    }
    EXPECT_EQ(editor.Caret(), 2u);
    EXPECT_EQ(document.FileName(), left.fileName);
    EXPECT_EQ(document.Format(), left.format);
    EXPECT_TRUE(document.Modified());
    // Now this run's own: owned by this process, not left over for another start.
    ASSERT_TRUE(RecoveryFile::Read(Kept()).has_value());
    EXPECT_EQ(RecoveryFile::Read(Kept())->text, left.text);
    EXPECT_TRUE(m_file->LeftOver().empty());
  }
}

}  // namespace
}  // namespace tabulex
