// The settings window "快捷设置": three tabbed pages of options over CalcSettings. It copies
// the values of settings/settings_window_values.h to and from its controls; the rules and
// the writes live there. Unchecking "记住窗口" opens the window position dialog.
#pragma once

#include <QDialog>

#include <initializer_list>

#include "base/calc_settings.h"
#include "session/main_window_ports.h"
#include "session/settings_window_values.h"
#include "settings/settings_store.h"
#include "window/platform_abilities.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tabulex {

class SettingsWindow final : public QDialog {
  Q_OBJECT

 public:
  // The controls of what the platform cannot do are disabled, with a tooltip saying why.
  SettingsWindow(CalcSettings& settings, SettingsStore& store, const MainWindowPorts& window,
                 QWidget* parent, PlatformAbilities platform = {});

 private:
  QWidget* GeneralPage();
  QWidget* ResultsPage();
  QWidget* KeysPage();
  QCheckBox* CheckBox(const char* name, const char* caption, const char* tooltip);
  QRadioButton* OptionButton(QButtonGroup* group, int id, const char* name, const char* caption,
                             const char* tooltip);
  QComboBox* List(const char* name, std::initializer_list<const char*> entries);

  void Show(const SettingsWindowValues& values);
  SettingsWindowValues Values() const;
  void RememberWindowClicked(bool checked);
  void Confirm();

  CalcSettings& m_settings;
  SettingsStore& m_store;
  MainWindowPorts m_window;

  QCheckBox* m_rememberWindow{};
  QCheckBox* m_spaceSeparates{};
  QCheckBox* m_keepContent{};
  QCheckBox* m_allowMultipleInstances{};
  QCheckBox* m_resultToClipboard{};
  QCheckBox* m_alwaysOnTop{};
  QCheckBox* m_edgeHiding{};
  QCheckBox* m_buttonVoice{};
  QCheckBox* m_newLineAfterCalc{};
  QCheckBox* m_laptopMode{};
  QCheckBox* m_newLinePasteResult{};
  QComboBox* m_thousands{};
  QButtonGroup* m_closeAction{};

  QButtonGroup* m_fraction{};
  QButtonGroup* m_angle{};
  QLineEdit* m_digits{};
  QRadioButton* m_rounding{};
  QRadioButton* m_padding{};

  QCheckBox* m_fullScreenKeyEnabled{};
  QComboBox* m_fullScreenModifier{};
  QComboBox* m_fullScreenKey{};
  QCheckBox* m_autoReplace{};
  QCheckBox* m_wordWrap{};
  QCheckBox* m_quickInput{};
  QCheckBox* m_autoInsertLastResult{};
  QComboBox* m_calculationKey{};
  QCheckBox* m_hotkeyEnabled{};
  QComboBox* m_hotkeyModifier{};
  QComboBox* m_hotkeyKey{};

  QPushButton* m_ok{};
};

}  // namespace tabulex
