#include "window/qt/editor_font_dialog.h"
#include "engine/qt/gbk_qstring.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "window/qt/colour_button.h"
#include "window/qt/editor_look.h"

namespace tabulex {

EditorFontDialog::EditorFontDialog(const EditorProperties& current, QWidget* parent)
    : QDialog(parent), m_current{current} {
  setWindowTitle(QString::fromUtf8("字体"));
  setModal(true);

  const QFont font = FontOf(current);

  // Qt's own font dialog, embedded as a plain widget: a native one could not be.
  m_fonts = new QFontDialog(this);
  m_fonts->setObjectName("fonts");
  m_fonts->setWindowFlags(Qt::Widget);
  m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  m_fonts->setCurrentFont(font);
  m_shown = m_fonts->currentFont();
  // Esc and Enter belong to this window: the font chooser, a dialog itself, would close only
  // itself and leave this window empty. However it finishes, this window finishes with it.
  m_fonts->installEventFilter(this);
  connect(m_fonts, &QDialog::finished, this, [this](int result) {
    if (result == QDialog::Accepted) {
      m_ok->click();
    } else {
      reject();
    }
  });

  m_colour = new ColourButton(QString::fromUtf8("颜色"), current.fontColor, this);
  m_colour->setObjectName("colour");

  auto* buttons = new QDialogButtonBox(this);
  m_ok = buttons->addButton(QString::fromUtf8("确定"), QDialogButtonBox::AcceptRole);
  m_ok->setObjectName("ok");
  m_ok->setDefault(true);
  buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole)
      ->setObjectName("cancel");

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(m_colour);
  bottom->addStretch();
  bottom->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_fonts);
  layout->addLayout(bottom);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool EditorFontDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_fonts && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = key->modifiers() == Qt::NoModifier ||
                       (key->modifiers() == Qt::KeypadModifier && key->key() == Qt::Key_Enter);
    if (plain && key->key() == Qt::Key_Escape) {
      reject();
      return true;
    }
    if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      m_ok->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

EditorProperties EditorFontDialog::Chosen() const {
  const QFont font = m_fonts->currentFont();
  EditorProperties chosen = m_current;
  const auto take = [](auto& property, auto shown, auto now, auto value) {
    if (now != shown) property = value;
  };
  take(chosen.fontBold, m_shown.bold(), font.bold(), font.bold());
  take(chosen.fontItalic, m_shown.italic(), font.italic(), font.italic());
  take(chosen.fontStrikeOut, m_shown.strikeOut(), font.strikeOut(), font.strikeOut());
  take(chosen.fontUnderline, m_shown.underline(), font.underline(), font.underline());
  take(chosen.fontName, m_shown.family(), font.family(), QStringToGbk(font.family()));
  // A size the dialog gives in pixels only keeps the size the editor had.
  if (font.pointSizeF() > 0) {
    take(chosen.fontSize, m_shown.pointSizeF(), font.pointSizeF(),
         std::max(1, static_cast<int>(std::lround(font.pointSizeF()))));
  }
  chosen.fontColor = m_colour->Colour();
  return chosen;
}

std::optional<EditorProperties> ChooseEditorFont(const EditorProperties& current, QWidget* parent) {
  EditorFontDialog dialog(current, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace tabulex
