#include "session/closing_steps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/scripted_file_dialogs.h"
#include "engine/text_buffer.h"
#include "support/null_main_window.h"
#include "support/recording_store.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;

class TrayWindow final : public NullMainWindow {
 public:
  int trayRemovals{0};
  void RemoveTrayIcon() override { ++trayRemovals; }
};

// Unsaved changes survive an end the user did not choose and go at one the user chose; the
// shutdown sequence runs once, and only after a completed start.
TEST(ClosingSteps, KeepOrDropUnsavedChangesThenShutDownOnce) {
  const struct {
    const char* name;
    bool started;
    bool sessionEnding;
    bool kept;
    int trayRemovals;
  } rows[] = {
      {"the user closes", true, false, false, 1},
      {"the session ends", true, true, true, 1},
      {"before the start completed: nothing touched", false, false, true, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDirectory temp;
    TextBuffer editor;
    DocumentState document;
    ScriptedDialogs dialogs;
    CalcSettings settings;
    RecoveryFile file(temp.Path(), ThisProcess());
    DocumentRecovery recovery(editor, document, dialogs, file, settings);
    editor.SetText("1+1");
    document.TextChanged();
    recovery.Keep();  // what the running program wrote a few seconds after the change

    std::vector<std::string> log;
    RecordingStore store(log, "");
    TrayWindow window;
    ShutdownSequence shutdown(store, RunFilesPathsIn(temp.Path()), window, settings);
    if (row.started) shutdown.Arm();
    ClosingSteps steps(shutdown, recovery);
    if (row.sessionEnding) steps.MarkSessionEnding();

    EXPECT_EQ(steps.Run(), row.started);
    EXPECT_FALSE(steps.Run());
    EXPECT_EQ(fs::exists(temp.Path() / RecoveryFile::kName), row.kept);
    EXPECT_EQ(window.trayRemovals, row.trayRemovals);
  }
}

}  // namespace
}  // namespace tabulex
