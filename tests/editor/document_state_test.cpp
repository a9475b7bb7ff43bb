#include "editor/document_state.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tabulex {
namespace {

enum class Event { TextChanged, Opened, NewDocument, ClearedAll, RestoredAtStartup, Saved };

struct Step {
  const char* what;
  Event event;
  const char* path;   // Opened and Saved
  bool modified;      // afterwards
  const char* file;   // afterwards
  const char* title;  // afterwards; null while the window keeps its start-up caption
};

void Apply(DocumentState& document, const Step& step) {
  switch (step.event) {
    case Event::TextChanged:
      document.TextChanged();
      break;
    case Event::Opened:
      document.Opened(step.path, TextFileFormat{}, false);
      break;
    case Event::NewDocument:
      document.NewDocument();
      break;
    case Event::ClearedAll:
      document.ClearedAll();
      break;
    case Event::RestoredAtStartup:
      document.RestoredAtStartup();
      break;
    case Event::Saved:
      document.Saved(step.path, TextFileFormat{});
      break;
  }
}

// A whole-text replacement raises TextChanged first (setting the text is a change), then
// the event that says what it was.
const std::vector<Step> kRun = {
    {"start-up restore", Event::TextChanged, "", true, "", nullptr},
    {"", Event::RestoredAtStartup, "", false, "", nullptr},
    {"typing", Event::TextChanged, "", true, "", nullptr},
    {"save of a new document", Event::Saved, "/home/u/a.txt", false, "/home/u/a.txt",
     "Tabulex - /home/u/a.txt"},
    {"an undo restore is unsaved", Event::TextChanged, "", true, "/home/u/a.txt",
     "Tabulex - /home/u/a.txt"},
    {"save again", Event::Saved, "/home/u/a.txt", false, "/home/u/a.txt",
     "Tabulex - /home/u/a.txt"},
    {"replace-all", Event::TextChanged, "", true, "/home/u/a.txt", "Tabulex - /home/u/a.txt"},
    {"clear all keeps the file", Event::TextChanged, "", true, "/home/u/a.txt",
     "Tabulex - /home/u/a.txt"},
    {"", Event::ClearedAll, "", false, "/home/u/a.txt", "Tabulex - /home/u/a.txt"},
    {"a drop", Event::TextChanged, "", true, "/home/u/a.txt", "Tabulex - /home/u/a.txt"},
    {"new forgets the file", Event::TextChanged, "", true, "/home/u/a.txt",
     "Tabulex - /home/u/a.txt"},
    {"", Event::NewDocument, "", false, "", "Tabulex"},
    {"open", Event::TextChanged, "", true, "", "Tabulex"},
    {"", Event::Opened, "/home/用户/账单.txt", false, "/home/用户/账单.txt",
     "Tabulex - /home/用户/账单.txt"},
    {"a redo restore", Event::TextChanged, "", true, "/home/用户/账单.txt",
     "Tabulex - /home/用户/账单.txt"},
    {"save as", Event::Saved, "/tmp/b.txt", false, "/tmp/b.txt", "Tabulex - /tmp/b.txt"},
};

TEST(DocumentStateTest, ModifiedFlagFileAndTitleThroughARun) {
  DocumentState document;
  EXPECT_FALSE(document.Modified());
  EXPECT_TRUE(document.FileName().empty());
  EXPECT_FALSE(document.WindowTitle().has_value());

  for (std::size_t i = 0; i < kRun.size(); ++i) {
    const Step& step = kRun[i];
    SCOPED_TRACE("step " + std::to_string(i + 1) + " " + step.what);
    Apply(document, step);
    EXPECT_EQ(document.Modified(), step.modified);
    EXPECT_EQ(document.FileName().string(), step.file);
    if (step.title == nullptr) {
      EXPECT_FALSE(document.WindowTitle().has_value());
    } else {
      EXPECT_EQ(document.WindowTitle().value_or("(caption)"), step.title);
    }
    // Only the file commands put the title into the caption, each once.
    const bool fileCommand = step.event == Event::Opened || step.event == Event::NewDocument ||
                             step.event == Event::Saved;
    EXPECT_EQ(document.TakeTitleChange(), fileCommand);
    EXPECT_FALSE(document.TakeTitleChange());
  }
}

}  // namespace
}  // namespace tabulex
