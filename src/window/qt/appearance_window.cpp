#include "window/qt/appearance_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "settings/settings_writer.h"
#include "window/qt/colour_button.h"
#include "window/skin_transparency.h"

namespace tabulex {
namespace {

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

AppearanceWindow::AppearanceWindow(CalcSettings& settings, SettingsStore& store, SkinPort& skins,
                                   std::int32_t fontColor, QWidget* parent,
                                   PlatformAbilities platform)
    : QDialog(parent), m_settings{settings}, m_store{store}, m_session{settings, skins} {
  setWindowTitle(QString::fromUtf8("外观设置"));
  setModal(true);

  m_fontColor = new ColourButton(QString::fromUtf8("字体颜色"), fontColor, this);
  m_fontColor->setObjectName("fontColor");
  m_backgroundColor =
      new ColourButton(QString::fromUtf8("背景颜色"), settings.backgroundColor, this);
  m_backgroundColor->setObjectName("backgroundColor");

  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setObjectName("transparency");
  slider->setRange(kSkinSliderMinimum, kSkinSliderMaximum);
  slider->setValue(m_session.SliderPosition());
  if (!platform.windowOpacity) {
    slider->setEnabled(false);
    slider->setToolTip(QString::fromUtf8(kCannotSetOpacity.data(),
                                         static_cast<qsizetype>(kCannotSetOpacity.size())));
  }
  // The caption says what a click does; it is chosen once, on opening.
  auto* effects = Button(m_session.Effects() ? "关闭特效" : "打开特效", "effects", this);
  auto* previous = Button("上一个皮肤", "previousSkin", this);
  auto* next = Button("下一个皮肤", "nextSkin", this);
  auto* ok = Button("确定", "ok", this);
  ok->setDefault(true);
  auto* cancel = Button("取消", "cancel", this);

  auto* colours = new QHBoxLayout;
  colours->addWidget(m_fontColor);
  colours->addWidget(m_backgroundColor);
  auto* skinButtons = new QHBoxLayout;
  skinButtons->addWidget(effects);
  skinButtons->addWidget(previous);
  skinButtons->addWidget(next);
  auto* closing = new QHBoxLayout;
  closing->addStretch();
  closing->addWidget(ok);
  closing->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(colours);
  layout->addWidget(slider);
  layout->addLayout(skinButtons);
  layout->addLayout(closing);

  connect(slider, &QSlider::valueChanged, this,
          [this](int position) { m_session.MoveSlider(position); });
  connect(effects, &QPushButton::clicked, this, [this] { m_session.ToggleEffects(); });
  connect(previous, &QPushButton::clicked, this, [this] { m_session.PreviousSkin(); });
  connect(next, &QPushButton::clicked, this, [this] { m_session.NextSkin(); });
  connect(ok, &QPushButton::clicked, this, &AppearanceWindow::Confirm);
  connect(cancel, &QPushButton::clicked, this, &AppearanceWindow::reject);
}

void AppearanceWindow::Confirm() {
  m_session.Confirm(m_settings, m_backgroundColor->Colour());
  emit ColoursChosen(m_fontColor->Colour(), m_backgroundColor->Colour());
  WriteAppearance(m_store, m_settings);
  accept();
}

void AppearanceWindow::reject() {
  m_session.Cancel(m_settings);
  QDialog::reject();
}

}  // namespace tabulex
