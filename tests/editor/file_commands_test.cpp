// The File menu's commands over a plain text buffer, with scripted dialogs and real files in
// a temporary directory.
#include "editor/file_commands.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/content_backup.h"
#include "engine/text_buffer.h"
#include "settings/file_io.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

// Answers from a script, and a log of what was shown.
class ScriptedDialogs final : public FileDialogs {
 public:
  std::deque<SaveChangesAnswer> answers;
  std::deque<std::optional<fs::path>> chosenFiles;  // for any of the three file dialogs
  std::vector<std::string> shown;

  SaveChangesAnswer AskToSaveChanges() override {
    shown.push_back("question");
    return Next(answers);
  }
  std::optional<fs::path> ChooseFileToSave() override { return Choose("save dialog"); }
  std::optional<fs::path> ChooseFileToSaveAs() override { return Choose("save-as dialog"); }
  std::optional<fs::path> ChooseFileToOpen() override { return Choose("open dialog"); }
  void ShowOpenFailed() override { shown.push_back("open failed"); }
  void ShowSaveFailed(std::string_view) override { shown.push_back("save failed"); }
  void PrintEditorText() override { shown.push_back("print dialog"); }

 private:
  template <typename T>
  static T Next(std::deque<T>& queue) {
    EXPECT_FALSE(queue.empty()) << "a dialog nobody expected";
    if (queue.empty()) return T{};
    T next = queue.front();
    queue.pop_front();
    return next;
  }
  std::optional<fs::path> Choose(const char* dialog) {
    shown.push_back(dialog);
    return Next(chosenFiles);
  }
};

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tabulex-files-XXXXXX").string();
    m_dir = ::mkdtemp(pattern.data());
  }
  void TearDown() override { fs::remove_all(m_dir); }

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

  fs::path m_dir;
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
    FileCommandsTest::TearDown();
    FileCommandsTest::SetUp();
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
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"open failed"});
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
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"open failed"});
  EXPECT_EQ(editor.Text(), "4\0325");
}

}  // namespace
}  // namespace tabulex
