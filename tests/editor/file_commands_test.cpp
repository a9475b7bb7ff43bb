// The File menu's commands over a plain text buffer, with scripted dialogs and real files in
// a temporary directory.
#include "editor/file_commands.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "editor/content_backup.h"
#include "editor/scripted_file_dialogs.h"
#include "editor/text_file.h"
#include "engine/text_buffer.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

class FileCommandsTest : public ::testing::Test {
 protected:
  fs::path File(const char* name, std::optional<std::string_view> bytes = std::nullopt) {
    const fs::path path = m_dir / name;
    if (bytes) {
      EXPECT_FALSE(WriteFileAtomically(path, *bytes));
    }
    return path;
  }
  static std::string Read(const fs::path& path) {
    std::string bytes;
    EXPECT_FALSE(ReadFile(path, bytes));
    return bytes;
  }
  // A document with unsaved changes, opened from path when given.
  void Edited(const char* text, const fs::path& path = {}) {
    if (!path.empty()) {
      ASSERT_TRUE(commands.LoadFile(path));
    }
    editor.SetText(text);
    document.TextChanged();
  }

  TempDirectory m_temp;
  const fs::path m_dir{m_temp.Path()};
  TextBuffer editor;
  DocumentState document;
  ScriptedDialogs dialogs;
  FileCommands commands{editor, document, dialogs};
};

TEST_F(FileCommandsTest, AskToSaveGoesOnOnlyWhenNothingIsLost) {
  struct Case {
    const char* what;
    bool modified;
    bool hasFile;
    std::optional<SaveChangesAnswer> answer;
    std::optional<bool> saveDialogConfirmed;
    bool goesOn;
    std::vector<std::string> shown;
    const char* savedText;  // in the file afterwards, or null for no file
  };
  const Case cases[] = {
      {"unmodified: no question", false, true, {}, {}, true, {}, "old"},
      {"No", true, true, SaveChangesAnswer::No, {}, true, {"question"}, "old"},
      {"Cancel", true, true, SaveChangesAnswer::Cancel, {}, false, {"question"}, "old"},
      {"Yes, to its file", true, true, SaveChangesAnswer::Yes, {}, true, {"question"}, "new"},
      {"Yes, then the save dialog cancelled",
       true,
       false,
       SaveChangesAnswer::Yes,
       false,
       false,
       {"question", "save dialog"},
       nullptr},
      {"Yes, then a file chosen",
       true,
       false,
       SaveChangesAnswer::Yes,
       true,
       true,
       {"question", "save dialog"},
       "new"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const fs::directory_entry& entry : fs::directory_iterator(m_dir)) {
      fs::remove_all(entry.path());  // each case starts with an empty directory
    }
    document = DocumentState{};
    dialogs = ScriptedDialogs{};
    const fs::path path = c.hasFile ? File("doc.txt", "old") : File("doc.txt");
    if (c.hasFile) {
      ASSERT_TRUE(commands.LoadFile(path));
    }
    editor.SetText("new");
    if (c.modified) document.TextChanged();
    if (c.answer) dialogs.answers.push_back(*c.answer);
    if (c.saveDialogConfirmed) {
      dialogs.chosenFiles.push_back(*c.saveDialogConfirmed ? std::optional(path) : std::nullopt);
    }

    EXPECT_EQ(commands.AskToSave(), c.goesOn);
    EXPECT_EQ(dialogs.shown, c.shown);
    if (c.savedText) {
      EXPECT_EQ(Read(path), c.savedText);
    } else {
      EXPECT_FALSE(fs::exists(path));
    }
  }
}

// The literal rule goes on after a failed save; the text would then be thrown away.
TEST_F(FileCommandsTest, AFailedSaveCancelsWhatAsked) {
  const fs::path unwritable = m_dir / "no such folder" / "doc.txt";
  Edited("1+1=2");
  dialogs.answers = {SaveChangesAnswer::Yes};
  dialogs.chosenFiles = {unwritable};
  commands.NewDocument();
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"question", "save dialog", "save failed"}));
  EXPECT_EQ(editor.Text(), "1+1=2");
  EXPECT_TRUE(document.Modified());
  EXPECT_TRUE(document.FileName().empty());

  dialogs.answers = {SaveChangesAnswer::Yes};
  dialogs.chosenFiles = {unwritable};
  EXPECT_FALSE(commands.CloseDocument());
}

TEST_F(FileCommandsTest, NewReplacesTheDocumentUnlessCancelled) {
  const fs::path path = File("doc.txt", "1+1");
  Edited("1+1=2", path);

  dialogs.answers = {SaveChangesAnswer::Cancel};
  commands.NewDocument();
  EXPECT_EQ(editor.Text(), "1+1=2");
  EXPECT_TRUE(document.Modified());
  EXPECT_EQ(document.FileName(), path);

  dialogs.answers = {SaveChangesAnswer::No};
  commands.NewDocument();
  EXPECT_EQ(editor.Text(), BlankDocument());
  EXPECT_FALSE(document.Modified());
  EXPECT_TRUE(document.FileName().empty());
  EXPECT_EQ(Read(path), "1+1");
}

TEST_F(FileCommandsTest, SaveWritesToTheDocumentsFileOrAsksForOne) {
  // A new document: the dialog, then its file from there on.
  const fs::path path = File("doc.txt");
  Edited("2*3=6\r\n");
  dialogs.chosenFiles = {path};
  EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Saved);
  EXPECT_EQ(Read(path), "2*3=6\r\n");
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(document.FileName(), path);

  editor.SetText("2*4=8");
  EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Saved);
  EXPECT_EQ(Read(path), "2*4=8");
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"save dialog"});

  // Save as always asks, and the document follows the new file.
  const fs::path other = File("other.txt");
  dialogs.chosenFiles = {other};
  commands.SaveDocumentAs();
  EXPECT_EQ(Read(other), "2*4=8");
  EXPECT_EQ(document.FileName(), other);
  dialogs.chosenFiles = {std::nullopt};
  commands.SaveDocumentAs();
  EXPECT_EQ(document.FileName(), other);
}

TEST_F(FileCommandsTest, AFailedSaveIsReportedAndTheDocumentStaysModified) {
  const fs::path path = File("doc.txt", "old");
  Edited("new", path);
  fs::remove(path);
  fs::create_directory(path);  // a file can no longer be written there
  EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Failed);
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"save failed"});
  EXPECT_TRUE(document.Modified());
  EXPECT_EQ(document.FileName(), path);
}

TEST_F(FileCommandsTest, SavingThroughALinkKeepsTheLink) {
  const fs::path target = File("target.txt", "old");
  const fs::path link = m_dir / "link.txt";
  fs::create_symlink(target, link);
  Edited("new", link);
  EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Saved);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(target), "new");
}

TEST_F(FileCommandsTest, OpenTakesTheFileUpToItsEndByte) {
  const fs::path path = File("doc.txt", "1+2=3\r\n4\0325"sv);
  Edited("typed");
  dialogs.answers = {SaveChangesAnswer::No};
  dialogs.chosenFiles = {path};
  commands.OpenDocument();
  EXPECT_EQ(editor.Text(), "1+2=3\r\n4");
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(document.WindowTitle(), "Tabulex - " + path.string());

  // The open dialog cancelled: nothing changes.
  editor.SetText("typed");
  document.TextChanged();
  dialogs.answers = {SaveChangesAnswer::No};
  dialogs.chosenFiles = {std::nullopt};
  commands.OpenDocument();
  EXPECT_EQ(editor.Text(), "typed");
  EXPECT_TRUE(document.Modified());
}

// The literal rule empties the editor before it knows the file can be read.
TEST_F(FileCommandsTest, AFailedOpenLeavesTheDocumentAsItWas) {
  const fs::path path = File("doc.txt", "old");
  Edited("kept", path);
  EXPECT_FALSE(commands.LoadFile(m_dir / "missing.txt"));
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"open failed: No such file or directory"});
  EXPECT_EQ(editor.Text(), "kept");
  EXPECT_TRUE(document.Modified());
  EXPECT_EQ(document.FileName(), path);
  EXPECT_EQ(document.WindowTitle(), "Tabulex - " + path.string());
}

TEST_F(FileCommandsTest, DropsReplaceTheTextAndKeepTheFile) {
  const fs::path path = File("doc.txt", "old");
  ASSERT_TRUE(commands.LoadFile(path));

  commands.DropText("1+1\n2+2\r\n3");
  EXPECT_EQ(editor.Text(), "1+1\r\n2+2\r\n3");
  EXPECT_TRUE(document.Modified());
  EXPECT_EQ(document.FileName(), path);

  // A dropped file ends at its first 0x00 only; Ctrl+Z stays.
  commands.DropFile(File("dropped.txt", "4\0325\0006"sv));
  EXPECT_EQ(editor.Text(), "4\0325");
  EXPECT_EQ(document.FileName(), path);

  commands.DropFile(m_dir);
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"open failed: Is a directory"});
  EXPECT_EQ(editor.Text(), "4\0325");

  // A dropped UTF-8 file is read as UTF-8; the document keeps its own format.
  const TextFileFormat format = document.Format();
  commands.DropFile(File("dropped-utf8.txt", "价格\n"));
  EXPECT_EQ(editor.Text(), "\xBC\xDB\xB8\xF1\r\n");
  EXPECT_EQ(document.Format(), format);
}

// A file keeps its encoding and line ends: opened and saved again, it is byte for byte what it
// was, apart from the edits.
TEST_F(FileCommandsTest, SavingWritesTheFilesOwnEncodingAndLineEnds) {
  const struct {
    const char* name;
    std::string bytes;
    std::string saved;  // after "=2" is appended to the first line
  } rows[] = {
      {"UTF-8 with LF", "价格=1+1\n3\n", "价格=1+1=2\n3\n"},
      {"UTF-8 with a byte-order mark",
       "\xEF\xBB\xBF"
       "1+1\n",
       "\xEF\xBB\xBF"
       "1+1=2\n"},
      {"GBK with CR LF", "\xBC\xDB=1+1\r\n", "\xBC\xDB=1+1=2\r\n"},
      {"CR alone", "1+1\r3", "1+1=2\r3"},
      {"no final line end", "1+1\n3", "1+1=2\n3"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const fs::path path = File("doc.txt", row.bytes);
    ASSERT_TRUE(commands.LoadFile(path));
    const std::size_t lineEnd = editor.Text().find("\r\n");
    editor.Select(lineEnd == std::string::npos ? editor.Length() : lineEnd, 0);
    editor.ReplaceSelection("=2");
    document.TextChanged();
    EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Saved);
    EXPECT_EQ(Read(path), row.saved);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FileCommandsTest, NewDocumentsAreGbkWithCrLfAndSaveAsChoosesTheEncoding) {
  commands.NewDocument();
  editor.SetText("\xBC\xDB\r\n");
  document.TextChanged();
  const fs::path gbk = File("gbk.txt");
  dialogs.chosenFiles = {gbk};
  EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Saved);
  EXPECT_EQ(Read(gbk), "\xBC\xDB\r\n");

  const fs::path utf8 = File("utf8.txt");
  dialogs.chosenFiles = {utf8};
  dialogs.chosenEncodings = {FileEncoding::Utf8};
  commands.SaveDocumentAs();
  EXPECT_EQ(Read(utf8), "价\r\n");
  EXPECT_EQ(document.Format().encoding, FileEncoding::Utf8);
  EXPECT_EQ(document.FileName(), utf8);
}

// What the editor cannot show is announced once on opening; saving over the file then asks,
// and "No" leaves the file untouched. Saving as another file does not ask.
TEST_F(FileCommandsTest, NothingOfAFileIsLostWithoutTheUserKnowing) {
  const struct {
    const char* name;
    std::string bytes;
    std::string notice;
    std::string savedOver;  // after "Yes"
  } rows[] = {
      {"characters outside GBK", "1😀+𠀀\n", "not shown: 2 characters, 0 bytes", "1?+?\n"},
      {"a binary file, cut at its first NUL",
       std::string("\x7F"
                   "ELF\0\x02\x01",
                   7),
       "not shown: 0 characters, 3 bytes",
       "\x7F"
       "ELF"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    dialogs.shown.clear();
    const fs::path path = File("lossy.txt", row.bytes);
    ASSERT_TRUE(commands.LoadFile(path));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{row.notice});

    dialogs.saveLosingContent = {false};
    EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Cancelled);
    EXPECT_EQ(Read(path), row.bytes);

    const fs::path other = File("other.txt");
    dialogs.chosenFiles = {other};
    commands.SaveDocumentAs();  // no question
    EXPECT_EQ(Read(other), row.savedOver);

    ASSERT_TRUE(commands.LoadFile(path));
    dialogs.saveLosingContent = {true};
    EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Saved);
    EXPECT_EQ(Read(path), row.savedOver);
    EXPECT_EQ(commands.SaveDocument(), SaveOutcome::Saved);  // nothing left to lose: no question
    EXPECT_EQ(std::count(dialogs.shown.begin(), dialogs.shown.end(), "lossy save question"), 2);
  }
}

TEST_F(FileCommandsTest, FilesThatCannotBeOpenedSayWhyAndChangeNothing) {
  Edited("kept");
  const fs::path large = File("large.txt");
  {
    std::string bytes(kMaxTextFileBytes + 1, '1');
    ASSERT_FALSE(WriteFileAtomically(large, bytes));
  }
  const fs::path locked = File("locked.txt", "1+1");
  fs::permissions(locked, fs::perms::none);
  const bool rootReadsAnyway = std::ifstream(locked).good();
  const struct {
    const char* name;
    fs::path path;
    std::string shown;
  } rows[] = {
      {"missing", m_dir / "missing.txt", "open failed: No such file or directory"},
      {"a directory", m_dir, "open failed: Is a directory"},
      {"too large", large, "open failed: 文件太大（17 MB），最多能打开 16 MB。"},
      {"no permission", locked, "open failed: Permission denied"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.path == locked && rootReadsAnyway) continue;
    dialogs.shown.clear();
    EXPECT_FALSE(commands.LoadFile(row.path));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{row.shown});
    EXPECT_EQ(editor.Text(), "kept");
    EXPECT_TRUE(document.Modified());
  }
}

}  // namespace
}  // namespace tabulex
