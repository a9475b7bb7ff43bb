#include "editor/document_state.h"

#include <utility>

namespace tabulex {
namespace {

constexpr char kProgramTitle[] = "Tabulex";

}  // namespace

void DocumentState::TextChanged() {
  m_modified = true;
}

void DocumentState::Opened(std::filesystem::path path, TextFileFormat format, bool savingLoses) {
  Replaced(std::move(path), format, savingLoses);
}

void DocumentState::NewDocument() {
  Replaced({}, TextFileFormat{}, false);
}

void DocumentState::Recovered(std::filesystem::path path, TextFileFormat format) {
  m_fileName = std::move(path);
  m_format = format;
  m_savingLoses = false;
  m_modified = true;
  m_titled = true;
  m_titleChanged = true;
}

void DocumentState::ClearedAll() {
  m_modified = false;
}

void DocumentState::RestoredAtStartup() {
  m_modified = false;
}

void DocumentState::Saved(std::filesystem::path path, TextFileFormat format) {
  Replaced(std::move(path), format, false);
}

void DocumentState::Replaced(std::filesystem::path fileName, TextFileFormat format,
                             bool savingLoses) {
  m_fileName = std::move(fileName);
  m_format = format;
  m_savingLoses = savingLoses;
  m_modified = false;
  m_titled = true;
  m_titleChanged = true;
}

bool DocumentState::TakeTitleChange() {
  return std::exchange(m_titleChanged, false);
}

std::optional<std::string> DocumentState::WindowTitle() const {
  if (!m_titled) return std::nullopt;
  return TitleFor(m_fileName);
}

std::string DocumentState::TitleFor(const std::filesystem::path& fileName) {
  if (fileName.empty()) return kProgramTitle;
  return std::string(kProgramTitle) + " - " + fileName.string();
}

}  // namespace tabulex
