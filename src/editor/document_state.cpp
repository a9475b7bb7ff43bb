#include "editor/document_state.h"

#include <utility>

namespace tabulex {
namespace {

constexpr char kProgramTitle[] = "Tabulex";

}  // namespace

void DocumentState::TextChanged() {
  m_modified = true;
}

void DocumentState::Opened(std::filesystem::path path) {
  Replaced(std::move(path));
}

void DocumentState::NewDocument() {
  Replaced({});
}

void DocumentState::ClearedAll() {
  m_modified = false;
}

void DocumentState::RestoredAtStartup() {
  m_modified = false;
}

void DocumentState::Saved(std::filesystem::path path) {
  Replaced(std::move(path));
}

void DocumentState::Replaced(std::filesystem::path fileName) {
  m_fileName = std::move(fileName);
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
