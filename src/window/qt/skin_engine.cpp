#include "window/qt/skin_engine.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QPalette>
#include <QWidget>

#include "window/qt/current_platform.h"
#include "window/skin_colours.h"
#include "window/skin_transparency.h"

namespace tabulex {
namespace {

QColor Rgb(std::uint32_t rgb) {
  return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QColor Mix(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share,
                          a.greenF() + (b.greenF() - a.greenF()) * share,
                          a.blueF() + (b.blueF() - a.blueF()) * share);
}

QPalette SkinPalette(const SkinColours& colours) {
  const QColor window = Rgb(colours.window);
  const QColor button = Rgb(colours.button);
  const QColor base = Rgb(colours.base);
  const QColor text = Rgb(colours.text);
  const QColor accent = Rgb(colours.accent);
  const QColor accentText = Rgb(colours.accentText);

  QPalette palette(button, window);
  const auto all = [&palette](QPalette::ColorRole role, const QColor& color) {
    palette.setColor(role, color);
  };
  all(QPalette::Window, window);
  all(QPalette::WindowText, text);
  all(QPalette::Button, button);
  all(QPalette::ButtonText, text);
  all(QPalette::Base, base);
  all(QPalette::AlternateBase, Mix(base, window, 0.5));
  all(QPalette::Text, text);
  all(QPalette::BrightText, colours.dark ? QColor(Qt::white) : QColor(Qt::black));
  all(QPalette::ToolTipBase, base);
  all(QPalette::ToolTipText, text);
  all(QPalette::PlaceholderText, Mix(text, base, 0.45));
  all(QPalette::Highlight, accent);
  all(QPalette::HighlightedText, accentText);
  all(QPalette::Link, accent);
  all(QPalette::LinkVisited, Mix(accent, text, 0.3));
  all(QPalette::Light, button.lighter(colours.dark ? 160 : 115));
  all(QPalette::Midlight, button.lighter(colours.dark ? 130 : 107));
  all(QPalette::Mid, Rgb(colours.border));
  all(QPalette::Dark, button.darker(colours.dark ? 130 : 160));
  all(QPalette::Shadow, button.darker(colours.dark ? 200 : 300));
  const QColor faded = Mix(text, window, 0.55);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Disabled, role, faded);
  }
  palette.setColor(QPalette::Disabled, QPalette::Highlight, Mix(accent, window, 0.5));
  return palette;
}

// The skinned surfaces. Only palette colours and the skin's border: the same rules serve
// every skin. QPlainTextEdit is never named, so the editor keeps its own colours.
QString SkinSheet(const SkinColours& colours) {
  return QStringLiteral(
             "QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
             "stop:0 palette(button), stop:1 palette(window)); border-bottom: 1px solid %1; }"
             "QMenuBar::item { background: transparent; padding: 3px 8px; }"
             "QMenuBar::item:selected { background: palette(highlight); "
             "color: palette(highlighted-text); }"
             "QMenu { background: palette(window); border: 1px solid %1; }"
             "QMenu::item:selected { background: palette(highlight); "
             "color: palette(highlighted-text); }"
             "QMenu::separator { height: 1px; background: %1; margin: 3px 6px; }"
             "QStatusBar { background: palette(window); border-top: 1px solid %1; }"
             "QPushButton { background: palette(button); color: palette(button-text); "
             "border: 1px solid %1; padding: 4px 12px; min-height: 18px; }"
             "QPushButton:hover { border-color: palette(highlight); }"
             "QPushButton:pressed { background: palette(midlight); }"
             "QPushButton:default { border: 2px solid palette(highlight); }"
             "QPushButton:disabled { color: palette(mid); }"
             "QSlider::groove:horizontal { height: 4px; background: %1; border-radius: 2px; }"
             "QSlider::sub-page:horizontal { background: palette(highlight); "
             "border-radius: 2px; }"
             "QSlider::handle:horizontal { background: palette(button); border: 1px solid %1; "
             "width: 12px; margin: -5px 0; border-radius: 7px; }")
      .arg(Rgb(colours.border).name());
}

// Softly rounded buttons with a light top edge: the effects, over any skin or none.
QString EffectsSheet() {
  return QStringLiteral(
      "QPushButton { border: 1px solid palette(mid); border-radius: 7px; padding: 4px 12px; "
      "min-height: 18px; color: palette(button-text); background: qlineargradient(x1:0, y1:0, "
      "x2:0, y2:1, stop:0 palette(light), stop:0.5 palette(button), stop:1 palette(midlight)); }"
      "QPushButton:hover { border-color: palette(highlight); }"
      "QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
      "stop:0 palette(midlight), stop:1 palette(light)); }"
      "QPushButton:default { border: 2px solid palette(highlight); }");
}

// The main window, its dialogs and tool windows; not menus, tooltips and other popups.
bool TakesOpacity(const QWidget& widget) {
  const Qt::WindowType type = widget.windowType();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

}  // namespace

SkinEngine::SkinEngine(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

void SkinEngine::ApplySkin(std::int32_t skinNumber) {
  const std::optional<SkinColours> colours = SkinColoursOf(skinNumber);
  m_skin = colours ? skinNumber : 0;
  // An empty palette resolves to the style's own: the default look.
  QApplication::setPalette(colours ? SkinPalette(*colours) : QPalette());
  ApplyStyleSheet();
}

void SkinEngine::ApplyTransparency(std::int32_t skinSlider) {
  if (!CurrentPlatformAbilities().windowOpacity) return;  // the windows stay opaque
  m_opacity = WindowOpacity(SkinAlpha(skinSlider));
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (TakesOpacity(*window)) window->setWindowOpacity(m_opacity);
  }
}

void SkinEngine::ApplyEffects(bool on) {
  m_effects = on;
  ApplyStyleSheet();
}

void SkinEngine::ApplyStyleSheet() {
  QString sheet;
  if (const std::optional<SkinColours> colours = SkinColoursOf(m_skin)) {
    sheet += SkinSheet(*colours);
  }
  if (m_effects) sheet += EffectsSheet();
  // Setting the same sheet again would still restyle every widget.
  if (qApp->styleSheet() != sheet) qApp->setStyleSheet(sheet);
}

bool SkinEngine::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow() && TakesOpacity(*widget) && widget->windowOpacity() != m_opacity) {
      widget->setWindowOpacity(m_opacity);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tabulex
