#include "settings/qt/window_position_dialog.h"
#include "engine/qt/gbk_qstring.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/settings_writer.h"
#include "settings/window_position.h"
#include "window/qt/dialog_buttons.h"

namespace tabulex {
namespace {

QLineEdit* Field(const std::string& gbkText, const char* name, QWidget* parent) {
  auto* field = new QLineEdit(GbkToQString(gbkText), parent);
  field->setObjectName(name);
  return field;
}

std::string Gbk(const QLineEdit* field) {
  return QStringToGbk(field->text());
}

}  // namespace

WindowPositionDialog::WindowPositionDialog(SettingsStore& store, ScreenRect screen, QWidget* parent)
    : QDialog(parent), m_store{store}, m_screen{screen} {
  setWindowTitle(QString::fromUtf8("自定义窗口位置(请勿超出屏幕！)"));
  setModal(true);

  // The file, not the bounds in memory: what the next start would use.
  const WindowPositionTexts stored = ReadWindowPosition(store);
  m_left = Field(stored.left, "left", this);
  m_top = Field(stored.top, "top", this);
  m_width = Field(stored.width, "width", this);
  m_height = Field(stored.height, "height", this);
  const DialogButtons buttons = MakeDialogButtons(this);
  m_ok = buttons.ok;
  QPushButton* cancel = buttons.cancel;

  auto* fields = new QFormLayout;
  fields->addRow(QString::fromUtf8("左边"), m_left);
  fields->addRow(QString::fromUtf8("顶边"), m_top);
  fields->addRow(QString::fromUtf8("宽度"), m_width);
  fields->addRow(QString::fromUtf8("高度"), m_height);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons.row);

  // Stored bounds that would put the window off screen cannot be confirmed unchanged either.
  UpdateOk();
  for (QLineEdit* field : {m_left, m_top, m_width, m_height}) {
    connect(field, &QLineEdit::textChanged, this, &WindowPositionDialog::UpdateOk);
  }
  connect(m_ok, &QPushButton::clicked, this, &WindowPositionDialog::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

WindowPositionTexts WindowPositionDialog::Texts() const {
  return {Gbk(m_left), Gbk(m_top), Gbk(m_width), Gbk(m_height)};
}

void WindowPositionDialog::UpdateOk() {
  m_ok->setEnabled(IsWindowPositionAcceptable(Texts(), m_screen));
}

void WindowPositionDialog::Confirm() {
  WriteWindowPosition(m_store, Texts());
  accept();
}

}  // namespace tabulex
