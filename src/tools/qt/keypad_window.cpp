#include "tools/qt/keypad_window.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <vector>

#include <utility>

#include "settings/settings_loader.h"
#include "settings/settings_writer.h"

namespace tabulex {
namespace {

constexpr int kButtonPointSize = 12;

// Every screen's rectangle.
std::vector<KeypadRect> Screens() {
  std::vector<KeypadRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->geometry();
    screens.push_back(KeypadRect{area.x(), area.y(), area.width(), area.height()});
  }
  return screens;
}

}  // namespace

KeypadWindow::KeypadWindow(QWidget* parent, EditorSession& session, EditCommands& commands,
                           SettingsStore& settings, std::function<void()> focusEditor,
                           std::function<void()> clearAll)
    : KeypadWindow(parent, session, commands, settings, std::move(focusEditor), std::move(clearAll),
                   LoadKeypadSettings(settings)) {}

KeypadWindow::KeypadWindow(QWidget* parent, EditorSession& session, EditCommands& commands,
                           SettingsStore& settings, std::function<void()> focusEditor,
                           std::function<void()> clearAll, const KeypadSettings& stored)
    : QWidget(parent, Qt::Tool),
      m_settings{settings},
      m_focusEditor{std::move(focusEditor)},
      m_actions{session, commands, stored.scientific ? KeypadMode::Scientific : KeypadMode::Compact,
                std::move(clearAll)} {
  setAttribute(Qt::WA_DeleteOnClose);
  // Opening the keypad leaves the editor's window active.
  setAttribute(Qt::WA_ShowWithoutActivating);

  // The design font under its Chinese and its Latin name, then the common free Kai face;
  // where none is installed, fontconfig and Qt's fallback put in another CJK face.
  QFont font;
  font.setFamilies(
      {QString::fromUtf8("楷体"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN")});
  font.setPointSize(kButtonPointSize);
  for (const KeypadKeyDefinition& definition : KeypadKeys()) {
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("key%1").arg(static_cast<int>(definition.key)));
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(font);
    const KeypadKey key = definition.key;
    if (KeypadActions::ActsOnRelease(key)) {
      button->installEventFilter(this);
    } else {
      connect(button, &QPushButton::clicked, this, [this, key] { Act(key); });
    }
    m_buttons[static_cast<std::size_t>(key)] = button;
  }
  ShowCaptions();

  const KeypadSettings geometry = ReachableKeypadGeometry(stored, Screens());
  resize(geometry.width, geometry.height);
  move(geometry.left, geometry.top);
  LayOutButtons();
}

// The keys that act on a release: any mouse button let go over the button that it was
// pressed on.
bool KeypadWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    for (const KeypadKeyDefinition& definition : KeypadKeys()) {
      QPushButton* button = m_buttons[static_cast<std::size_t>(definition.key)];
      if (button != watched) continue;
      if (button->rect().contains(mouse->position().toPoint())) Act(definition.key);
      break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void KeypadWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutButtons();
}

void KeypadWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FocusEditor();
}

void KeypadWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FocusEditor();
}

void KeypadWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FocusEditor();
}

void KeypadWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  close();
  FocusEditor();
}

void KeypadWindow::closeEvent(QCloseEvent* event) {
  WriteKeypadSettings(m_settings, KeypadSettings{width(), height(), x(), y(),
                                                 m_actions.Mode() == KeypadMode::Scientific});
  event->accept();
}

void KeypadWindow::Act(KeypadKey key) {
  const KeypadFocus focus = m_actions.Press(key);
  if (key == KeypadKey::Second || key == KeypadKey::LayoutToggle) ShowCaptions();
  if (key == KeypadKey::LayoutToggle) LayOutButtons();
  if (focus == KeypadFocus::Editor) FocusEditor();
}

void KeypadWindow::ShowCaptions() {
  for (const KeypadKeyDefinition& definition : KeypadKeys()) {
    const std::string_view caption = m_actions.Caption(definition.key);
    m_buttons[static_cast<std::size_t>(definition.key)]->setText(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  }
}

void KeypadWindow::LayOutButtons() {
  const std::array<KeypadRect, kKeypadKeyCount> rects =
      LayOutKeypad(m_actions.Mode(), width(), height());
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const KeypadRect& rect = rects[i];
    m_buttons[i]->setGeometry(rect.left, rect.top, rect.width, rect.height);
  }
}

void KeypadWindow::FocusEditor() {
  // The keypad may be the active window now (a click activates it): the keys must reach the
  // editor's window.
  if (QWidget* owner = parentWidget()) owner->window()->activateWindow();
  if (m_focusEditor) m_focusEditor();
}

}  // namespace tabulex
