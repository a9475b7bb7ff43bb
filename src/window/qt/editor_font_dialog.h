// The font dialog "字体" of the Settings menu: the editor's font (name, size, bold, italic,
// strike-out, underline) and its text colour in one window. Qt's font dialog has no colour,
// so it sits inside this one next to a colour picker. Nothing is written to the file here.
// Only what the user changes changes: the font dialog shows the nearest font it has (a name
// fontconfig substitutes, a style the family lacks), and OK alone must not turn that into the
// editor's font.
#pragma once

#include <QDialog>
#include <QFont>

#include <optional>

#include "settings/settings_records.h"

class QFontDialog;
class QPushButton;

namespace tabulex {

class ColourButton;

class EditorFontDialog final : public QDialog {
  Q_OBJECT

 public:
  EditorFontDialog(const EditorProperties& current, QWidget* parent);

  // The chosen font and colour; the font name is GBK, like every EditorProperties.
  EditorProperties Chosen() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  EditorProperties m_current;
  QFont m_shown;  // what the font dialog made of m_current
  QFontDialog* m_fonts{};
  ColourButton* m_colour{};
  QPushButton* m_ok{};
};

// Opens the dialog preset with current: the chosen properties, or nothing when cancelled.
std::optional<EditorProperties> ChooseEditorFont(const EditorProperties& current, QWidget* parent);

}  // namespace tabulex
