#include "tools/qt/unit_conversion_tab.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "engine/qt/gbk_qstring.h"
#include "tools/qt/tool_hint.h"
#include "tools/unit_conversion.h"

namespace tabulex {

UnitConversionTab::UnitConversionTab(QWidget* parent) : QWidget(parent) {
  m_category = new QComboBox(this);
  m_category->setObjectName("unitCategory");
  for (const UnitCategory category : kUnitCategories) {
    m_category->addItem(GbkToQString(CategoryName(category)));
  }
  m_value = new QLineEdit(this);
  m_value->setObjectName("unitValue");
  m_fromUnit = new QComboBox(this);
  m_fromUnit->setObjectName("fromUnit");
  m_toUnit = new QComboBox(this);
  m_toUnit->setObjectName("toUnit");
  m_result = new QLineEdit(this);
  m_result->setObjectName("unitResult");
  m_result->setReadOnly(true);
  m_values = new QPlainTextEdit(this);
  m_values->setObjectName("unitValues");
  m_values->setReadOnly(true);
  m_values->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_value->installEventFilter(this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QString::fromUtf8("类别："), this), 0, 0);
  auto* category = new QHBoxLayout;
  category->addWidget(m_category);
  category->addStretch();
  grid->addLayout(category, 0, 1);
  grid->addWidget(new QLabel(QString::fromUtf8("欲转换的数："), this), 1, 0);
  grid->addWidget(m_value, 1, 1);
  auto* units = new QHBoxLayout;
  units->addWidget(m_fromUnit);
  units->addWidget(new QLabel(QString::fromUtf8("转换到"), this));
  units->addWidget(m_toUnit);
  units->addStretch();
  grid->addLayout(units, 2, 1);
  grid->addWidget(new QLabel(QString::fromUtf8("转换结果："), this), 3, 0);
  grid->addWidget(m_result, 3, 1);
  grid->addWidget(CreateToolHint("   *输入即转换，结果实时显示，双击输入编辑框以清空！", this), 4,
                  0, 1, 2);
  grid->addWidget(new QLabel(QString::fromUtf8("各单位的值："), this), 5, 0, 1, 2);
  grid->addWidget(m_values, 6, 0, 1, 2);
  grid->setRowStretch(6, 1);

  FillUnits();
  connect(m_category, &QComboBox::currentIndexChanged, this, &UnitConversionTab::ChangeCategory);
  connect(m_value, &QLineEdit::textChanged, this, &UnitConversionTab::Convert);
  connect(m_fromUnit, &QComboBox::currentIndexChanged, this, &UnitConversionTab::Convert);
  connect(m_toUnit, &QComboBox::currentIndexChanged, this, &UnitConversionTab::Convert);
}

// A new category starts from its first unit to its second: 米 to 千米, 摄氏度 to 华氏度.
void UnitConversionTab::FillUnits() {
  const QSignalBlocker blockFrom(m_fromUnit);
  const QSignalBlocker blockTo(m_toUnit);
  m_units = UnitsOf(kUnitCategories.at(static_cast<std::size_t>(m_category->currentIndex())));
  m_fromUnit->clear();
  m_toUnit->clear();
  for (const Unit* unit : m_units) {
    m_fromUnit->addItem(GbkToQString(unit->label));
    m_toUnit->addItem(GbkToQString(unit->label));
  }
  m_fromUnit->setCurrentIndex(0);
  m_toUnit->setCurrentIndex(m_units.size() > 1 ? 1 : 0);
}

void UnitConversionTab::ChangeCategory() {
  FillUnits();
  Convert();
}

void UnitConversionTab::Convert() {
  const int from = m_fromUnit->currentIndex();
  const int to = m_toUnit->currentIndex();
  if (from < 0 || to < 0) return;
  const std::string value = QStringToGbk(m_value->text());
  const Unit& fromUnit = *m_units[static_cast<std::size_t>(from)];
  const Unit& toUnit = *m_units[static_cast<std::size_t>(to)];
  m_result->setText(GbkToQString(ConvertUnitValue(value, fromUnit, toUnit).value_or("")));
  QStringList lines;
  for (const UnitValue& line : ValuesInEveryUnit(value, fromUnit)) {
    lines << GbkToQString(line.text + " " + line.unit->label);
  }
  m_values->setPlainText(lines.join('\n'));
}

bool UnitConversionTab::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_value && event->type() == QEvent::MouseButtonDblClick) {
    // The empty value converts to an empty result and list.
    m_value->clear();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tabulex
