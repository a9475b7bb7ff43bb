#include "settings/qt/settings_window.h"
#include "engine/qt/gbk_qstring.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/qt/window_position_dialog.h"
#include "window/qt/dialog_buttons.h"
#include "window/qt/window_geometry.h"

namespace tabulex {
namespace {

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QGroupBox* Group(const char* caption, QLayout* content) {
  auto* group = new QGroupBox(Text(caption));
  group->setLayout(content);
  return group;
}

// Two columns of controls, filled row by row.
QGridLayout* Columns(std::initializer_list<QWidget*> widgets) {
  auto* grid = new QGridLayout;
  int i = 0;
  for (QWidget* widget : widgets) {
    grid->addWidget(widget, i / 2, i % 2);
    ++i;
  }
  return grid;
}

QStringList FunctionKeys() {
  QStringList keys;
  for (int i = 1; i <= kFunctionKeyEntries; ++i) keys << QString("F%1").arg(i);
  return keys;
}

void Check(QButtonGroup* group, int id) {
  if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

}  // namespace

SettingsWindow::SettingsWindow(CalcSettings& settings, SettingsStore& store,
                               const MainWindowPorts& window, QWidget* parent,
                               PlatformAbilities platform)
    : QDialog(parent), m_settings{settings}, m_store{store}, m_window{window} {
  setWindowTitle(Text("快捷设置"));
  setModal(true);

  auto* tabs = new QTabWidget(this);
  tabs->addTab(GeneralPage(), Text("常规设置"));
  tabs->addTab(ResultsPage(), Text("运算结果"));
  tabs->addTab(KeysPage(), Text("快捷键"));

  const DialogButtons buttons = MakeDialogButtons(this);
  m_ok = buttons.ok;
  QPushButton* cancel = buttons.cancel;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addLayout(buttons.row);

  Show(LoadSettingsWindow(settings, store));

  // Each pair of hotkey lists is usable exactly while its "启用" box is checked.
  const auto enableWith = [this](QCheckBox* box, QComboBox* modifier, QComboBox* key) {
    modifier->setEnabled(box->isChecked());
    key->setEnabled(box->isChecked());
    connect(box, &QCheckBox::toggled, modifier, &QWidget::setEnabled);
    connect(box, &QCheckBox::toggled, key, &QWidget::setEnabled);
  };
  enableWith(m_fullScreenKeyEnabled, m_fullScreenModifier, m_fullScreenKey);
  enableWith(m_hotkeyEnabled, m_hotkeyModifier, m_hotkeyKey);

  const auto cannot = [](std::string_view why, std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
      control->setEnabled(false);
      control->setToolTip(QString::fromUtf8(why.data(), static_cast<qsizetype>(why.size())));
    }
  };
  if (!platform.stayOnTop) cannot(kCannotStayOnTop, {m_alwaysOnTop});
  if (!platform.placeWindows) cannot(kCannotPlaceWindows, {m_edgeHiding});
  if (!platform.globalHotkey) {
    cannot(kCannotGrabHotkey, {m_hotkeyEnabled, m_hotkeyModifier, m_hotkeyKey});
  }

  connect(m_rememberWindow, &QCheckBox::clicked, this, &SettingsWindow::RememberWindowClicked);
  connect(m_ok, &QPushButton::clicked, this, &SettingsWindow::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* SettingsWindow::CheckBox(const char* name, const char* caption, const char* tooltip) {
  auto* box = new QCheckBox(Text(caption), this);
  box->setObjectName(name);
  box->setToolTip(Text(tooltip));
  return box;
}

QRadioButton* SettingsWindow::OptionButton(QButtonGroup* group, int id, const char* name,
                                           const char* caption, const char* tooltip) {
  auto* button = new QRadioButton(Text(caption), this);
  button->setObjectName(name);
  button->setToolTip(Text(tooltip));
  group->addButton(button, id);
  return button;
}

QComboBox* SettingsWindow::List(const char* name, std::initializer_list<const char*> entries) {
  auto* list = new QComboBox(this);
  list->setObjectName(name);
  for (const char* entry : entries) list->addItem(Text(entry));
  return list;
}

QWidget* SettingsWindow::GeneralPage() {
  m_rememberWindow =
      CheckBox("rememberWindow", "记住窗口", "下次打开程序时还保持上次的窗口大小和位置");
  m_spaceSeparates =
      CheckBox("spaceSeparates", "空格分式", "在一行可以将两个算式分开，计算互不影响");
  m_keepContent = CheckBox("keepContent", "记住内容", "打开程序时还有上次的计算内容");
  m_allowMultipleInstances = CheckBox("allowMultipleInstances", "窗口多开", "允许运行多个Tabulo");
  m_resultToClipboard = CheckBox("resultToClipboard", "到粘贴板", "运算结果复制到粘贴板");
  m_alwaysOnTop = CheckBox("alwaysOnTop", "窗口前置", "始终在屏幕前方，不会被其他窗口挡住");
  m_edgeHiding =
      CheckBox("edgeHiding", "边缘隐藏", "窗口靠到屏幕边缘时自动隐藏，鼠标碰到边缘时再滑出来");
  // Kept for the layout only: it is neither loaded nor saved and changes nothing.
  m_buttonVoice = CheckBox("buttonVoice", "按钮语音", "语音提示");
  auto* other = Group("其他设置", Columns({m_rememberWindow, m_spaceSeparates, m_keepContent,
                                           m_allowMultipleInstances, m_resultToClipboard,
                                           m_alwaysOnTop, m_edgeHiding, m_buttonVoice}));

  m_newLineAfterCalc = CheckBox("newLineAfterCalc", "运算后换行", "先进行运算,算出结果再换行");
  m_laptopMode = CheckBox("laptopMode", "笔记本", "笔记本电脑使用");
  m_newLinePasteResult =
      CheckBox("newLinePasteResult", "换行后粘贴", "进行给出计算结果，然后换一行再粘贴刚刚的结果");
  m_thousands = List("thousandsSeparator", {"无千分符号", "“；”代表千分符", "“，”代表千分符"});
  auto* process = Group(
      "过程设置", Columns({m_newLineAfterCalc, m_laptopMode, m_newLinePasteResult, m_thousands}));

  m_closeAction = new QButtonGroup(this);
  auto* exit = Group(
      "退出设置",
      Columns(
          {OptionButton(m_closeAction, 0, "closeAsk", "询问", "关闭窗口时询问"),
           OptionButton(m_closeAction, 1, "closeExit", "直接退出", "关闭窗口时直接退出"),
           OptionButton(m_closeAction, 2, "closeToTray", "置托盘", "单关闭窗口时后台运行不退出")}));

  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(other);
  layout->addWidget(process);
  layout->addWidget(exit);
  return page;
}

QWidget* SettingsWindow::ResultsPage() {
  m_fraction = new QButtonGroup(this);
  auto* fraction = Group(
      "分数选择",
      Columns(
          {OptionButton(m_fraction, 0, "fractionDecimal", "小数", "结果为小数时直接显示"),
           OptionButton(m_fraction, 1, "fractionProper", "分数", "结果为小数时转为分数显示"),
           OptionButton(m_fraction, 2, "fractionMixed", "带分数", "结果为小数时转为带分数显示")}));

  m_angle = new QButtonGroup(this);
  auto* angle =
      Group("角度选择", Columns({OptionButton(m_angle, static_cast<int>(AngleChoice::Degrees),
                                              "angleDegrees", "角度制", "输入默认为角度制"),
                                 OptionButton(m_angle, static_cast<int>(AngleChoice::Radians),
                                              "angleRadians", "弧度制", "输入默认为弧度制"),
                                 OptionButton(m_angle, static_cast<int>(AngleChoice::Grads),
                                              "angleGrads", "百分度", "输入默认为百分度制")}));

  m_digits = new QLineEdit(Text("13"), this);
  m_digits->setObjectName("precisionDigits");
  m_digits->setToolTip(Text("舍入位数"));
  auto* style = new QButtonGroup(this);
  m_rounding =
      OptionButton(style, 0, "decimalRounding", "四舍五入", "按位数，当多于位数的零时四舍五入");
  m_padding =
      OptionButton(style, 1, "decimalPadding", "常规保留", "按位数，当位数不足时添加零补足位数");
  auto* inner = new QGroupBox(this);
  auto* innerLayout = new QVBoxLayout(inner);
  innerLayout->addWidget(m_digits);
  innerLayout->addWidget(m_rounding);
  innerLayout->addWidget(m_padding);
  auto* decimals = new QVBoxLayout;
  decimals->addWidget(inner);
  auto* decimalGroup = Group("小数设置", decimals);

  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(fraction);
  layout->addWidget(angle);
  layout->addWidget(decimalGroup);
  return page;
}

QWidget* SettingsWindow::KeysPage() {
  m_fullScreenKeyEnabled = CheckBox("fullScreenKeyEnabled", "启用", "启用打开全屏和关闭全屏快捷键");
  m_fullScreenModifier = List("fullScreenModifier", {"空", "Ctrl", "Shift", "Alt"});
  m_fullScreenKey = List("fullScreenKey", {});
  m_fullScreenKey->addItems(FunctionKeys());
  auto* fullScreenRow = new QHBoxLayout;
  fullScreenRow->addWidget(m_fullScreenKeyEnabled);
  fullScreenRow->addWidget(m_fullScreenModifier);
  fullScreenRow->addWidget(new QLabel("+", this));
  fullScreenRow->addWidget(m_fullScreenKey);
  auto* fullScreen = Group("普通和全屏", fullScreenRow);

  m_autoReplace =
      CheckBox("autoReplace", "自动替换", "当按键盘上++，**等字符时，自动替换相应的字符");
  m_wordWrap =
      CheckBox("wordWrap", "自动折回", "当行长度大于编辑框宽度时自动折回，多出的在第二行显示");
  m_quickInput =
      CheckBox("quickInput", "快捷输入", "不用按shift，大键盘上的！%^（）等字符就可以直接输入");
  m_autoInsertLastResult = CheckBox("autoInsertLastResult", "自动添加",
                                    "再行首按加减乘除前面自动自动添加上次的计算结果");
  auto* other =
      Group("其他设置", Columns({m_autoReplace, m_wordWrap, m_quickInput, m_autoInsertLastResult}));

  m_calculationKey =
      List("calculationKey", {"回车键计算,ctrl加回车键换行", "ctrl加回车键计算，回车键换行"});
  m_calculationKey->setToolTip(Text("计算方式"));
  auto* calculationRow = new QVBoxLayout;
  calculationRow->addWidget(m_calculationKey);
  auto* calculation = Group("计算方式", calculationRow);

  m_hotkeyEnabled = CheckBox("hotkeyEnabled", "启用", "启用显示和隐藏窗口快捷键");
  m_hotkeyModifier = List("hotkeyModifier", {"空", "Ctrl", "Shift"});
  m_hotkeyKey = List("hotkeyKey", {});
  m_hotkeyKey->addItems(FunctionKeys());
  auto* hotkeyRow = new QHBoxLayout;
  hotkeyRow->addWidget(m_hotkeyEnabled);
  hotkeyRow->addWidget(m_hotkeyModifier);
  hotkeyRow->addWidget(new QLabel("+", this));
  hotkeyRow->addWidget(m_hotkeyKey);
  auto* hotkey = Group("呼出和隐藏", hotkeyRow);

  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(fullScreen);
  layout->addWidget(other);
  layout->addWidget(calculation);
  layout->addWidget(hotkey);
  return page;
}

void SettingsWindow::Show(const SettingsWindowValues& v) {
  m_rememberWindow->setChecked(v.rememberWindow);
  m_spaceSeparates->setChecked(v.spaceSeparates);
  m_keepContent->setChecked(v.keepContent);
  m_allowMultipleInstances->setChecked(v.allowMultipleInstances);
  m_resultToClipboard->setChecked(v.resultToClipboard);
  m_alwaysOnTop->setChecked(v.alwaysOnTop);
  m_edgeHiding->setChecked(v.edgeHiding);
  m_newLineAfterCalc->setChecked(v.newLineAfterCalc);
  m_laptopMode->setChecked(v.laptopMode);
  m_newLinePasteResult->setChecked(v.newLinePasteResult);
  m_thousands->setCurrentIndex(v.thousandsIndex);
  Check(m_closeAction, v.closeActionButton);

  Check(m_fraction, v.fractionButton);
  Check(m_angle, static_cast<int>(v.angle));
  m_digits->setText(GbkToQString(v.digitsText));
  m_rounding->setChecked(v.decimalRounding);
  m_padding->setChecked(!v.decimalRounding);

  m_fullScreenKeyEnabled->setChecked(v.fullScreenKeyEnabled);
  m_fullScreenModifier->setCurrentIndex(v.fullScreenModifierIndex);
  m_fullScreenKey->setCurrentIndex(v.fullScreenKeyIndex);
  m_autoReplace->setChecked(v.autoReplace);
  m_wordWrap->setChecked(v.wordWrap);
  m_quickInput->setChecked(v.quickInput);
  m_autoInsertLastResult->setChecked(v.autoInsertLastResult);
  m_calculationKey->setCurrentIndex(v.calculationKeyIndex);
  m_hotkeyEnabled->setChecked(v.hotkeyEnabled);
  m_hotkeyModifier->setCurrentIndex(v.hotkeyModifierIndex);
  m_hotkeyKey->setCurrentIndex(v.hotkeyKeyIndex);
}

SettingsWindowValues SettingsWindow::Values() const {
  SettingsWindowValues v;
  v.rememberWindow = m_rememberWindow->isChecked();
  v.spaceSeparates = m_spaceSeparates->isChecked();
  v.keepContent = m_keepContent->isChecked();
  v.allowMultipleInstances = m_allowMultipleInstances->isChecked();
  v.resultToClipboard = m_resultToClipboard->isChecked();
  v.alwaysOnTop = m_alwaysOnTop->isChecked();
  v.edgeHiding = m_edgeHiding->isChecked();
  v.newLineAfterCalc = m_newLineAfterCalc->isChecked();
  v.laptopMode = m_laptopMode->isChecked();
  v.newLinePasteResult = m_newLinePasteResult->isChecked();
  v.thousandsIndex = m_thousands->currentIndex();
  v.closeActionButton = m_closeAction->checkedId();

  v.fractionButton = m_fraction->checkedId();
  v.angle = static_cast<AngleChoice>(m_angle->checkedId());
  v.digitsText = QStringToGbk(m_digits->text());
  v.decimalRounding = m_rounding->isChecked();

  v.fullScreenKeyEnabled = m_fullScreenKeyEnabled->isChecked();
  v.fullScreenModifierIndex = m_fullScreenModifier->currentIndex();
  v.fullScreenKeyIndex = m_fullScreenKey->currentIndex();
  v.autoReplace = m_autoReplace->isChecked();
  v.wordWrap = m_wordWrap->isChecked();
  v.quickInput = m_quickInput->isChecked();
  v.autoInsertLastResult = m_autoInsertLastResult->isChecked();
  v.calculationKeyIndex = m_calculationKey->currentIndex();
  v.hotkeyEnabled = m_hotkeyEnabled->isChecked();
  v.hotkeyModifierIndex = m_hotkeyModifier->currentIndex();
  v.hotkeyKeyIndex = m_hotkeyKey->currentIndex();
  return v;
}

void SettingsWindow::RememberWindowClicked(bool checked) {
  if (checked) return;
  WindowPositionDialog dialog(m_store, PrimaryScreenRect(), this);
  // Without bounds of its own the window goes on remembering them.
  if (dialog.exec() != QDialog::Accepted) m_rememberWindow->setChecked(true);
}

void SettingsWindow::Confirm() {
  if (ConfirmSettingsWindow(Values(), m_settings, m_store, m_window) ==
      SettingsWindowOutcome::DigitsRefused) {
    // No message: the button stays grey until the window is closed another way.
    m_ok->setEnabled(false);
    return;
  }
  accept();
}

}  // namespace tabulex
