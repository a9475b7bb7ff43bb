#include "tools/qt/tool_window.h"
#include "engine/qt/gbk_qstring.h"
#include "tools/qt/time_calculation_tab.h"
#include "tools/qt/tool_hint.h"
#include "tools/qt/unit_conversion_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>
#include <vector>

#include "tools/base_conversion.h"
#include "tools/qt/statistics_chart.h"
#include "tools/qt/time_calculation_tab.h"
#include "tools/qt/tool_hint.h"
#include "tools/qt/unit_conversion_tab.h"
#include "tools/statistics.h"
#include "tools/statistics_chart.h"

namespace tabulex {
namespace {

QComboBox* CreateBaseList(int initialBase, QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (int base = 2; base <= 36; ++base) list->addItem(QString::number(base));
  list->setCurrentIndex(initialBase - 2);
  return list;
}

std::string ToGbk(const QString& text) {
  return QStringToGbk(text);
}

bool IsKey(QEvent* event, std::initializer_list<int> keys) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  for (int k : keys) {
    if (key == k) return true;
  }
  return false;
}

}  // namespace

ToolWindow::ToolWindow(int tabIndex, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("辅助分析"));
  setModal(true);
  m_tabs = new QTabWidget(this);
  m_tabs->addTab(CreateBaseTab(), QString::fromUtf8("进制转换"));
  m_tabs->addTab(CreateStatisticsTab(), QString::fromUtf8("统计分析"));
  m_tabs->addTab(new UnitConversionTab(m_tabs), QString::fromUtf8("单位转换"));
  m_tabs->addTab(new TimeCalculationTab(m_tabs), QString::fromUtf8("时间计算"));
  m_tabs->setCurrentIndex(tabIndex);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  resize(520, 440);
}

QWidget* ToolWindow::CreateBaseTab() {
  auto* tab = new QWidget;
  m_baseInput = new QLineEdit(tab);
  m_baseInput->setObjectName("baseInput");
  m_sourceBase = CreateBaseList(10, tab);
  m_sourceBase->setObjectName("sourceBase");
  m_targetBase = CreateBaseList(16, tab);
  m_targetBase->setObjectName("targetBase");
  m_baseResult = new QLineEdit(tab);
  m_baseResult->setObjectName("baseResult");
  m_baseResult->setReadOnly(true);
  // The integer may be of any length; a line edit keeps only 32767 characters by default.
  m_baseInput->setMaxLength(std::numeric_limits<int>::max());
  m_baseResult->setMaxLength(std::numeric_limits<int>::max());
  m_baseInput->installEventFilter(this);

  auto* grid = new QGridLayout(tab);
  grid->addWidget(new QLabel(QString::fromUtf8("欲转换的数："), tab), 0, 0);
  grid->addWidget(m_baseInput, 0, 1);
  auto* bases = new QHBoxLayout;
  bases->addWidget(m_sourceBase);
  bases->addWidget(new QLabel(QString::fromUtf8("进制　转换到"), tab));
  bases->addWidget(m_targetBase);
  bases->addWidget(new QLabel(QString::fromUtf8("进制"), tab));
  bases->addStretch();
  grid->addLayout(bases, 1, 1);
  grid->addWidget(new QLabel(QString::fromUtf8("转换结果："), tab), 2, 0);
  grid->addWidget(m_baseResult, 2, 1);
  grid->addWidget(
      CreateToolHint("   *输入既转换，结果实时显示，双击输入编辑框以清空，2-36进制可选！", tab), 3,
      0, 1, 2);
  grid->setRowStretch(4, 1);

  connect(m_baseInput, &QLineEdit::textChanged, this, &ToolWindow::ConvertInput);
  connect(m_sourceBase, &QComboBox::currentIndexChanged, this, &ToolWindow::ConvertInput);
  connect(m_targetBase, &QComboBox::currentIndexChanged, this, &ToolWindow::ConvertInput);
  return tab;
}

QWidget* ToolWindow::CreateStatisticsTab() {
  auto* tab = new QWidget;
  m_statisticsInput = new QPlainTextEdit(tab);
  m_statisticsInput->setObjectName("statisticsInput");
  m_statisticsOutput = new QLabel(tab);
  m_statisticsOutput->setObjectName("statisticsOutput");
  m_statisticsOutput->setTextFormat(Qt::PlainText);
  m_statisticsOutput->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_statisticsOutput->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // The figures keep their height; the chart under them takes what is left.
  m_statisticsOutput->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  ShowStatistics(StatisticsTemplate());
  m_statisticsChart = new StatisticsChart(tab);
  m_statisticsChart->setObjectName("statisticsChart");
  // Keys reach the text box, mouse clicks its viewport.
  m_statisticsInput->installEventFilter(this);
  m_statisticsInput->viewport()->installEventFilter(this);

  auto* grid = new QGridLayout(tab);
  grid->addWidget(new QLabel(QString::fromUtf8("欲统计的数："), tab), 0, 0, 1, 2);
  grid->addWidget(m_statisticsInput, 1, 0, 2, 1);
  grid->addWidget(m_statisticsOutput, 1, 1, Qt::AlignTop);
  grid->addWidget(m_statisticsChart, 2, 1);
  grid->addWidget(
      CreateToolHint("   *每个字符输入完成按回车再次输入字符，输入即统计，结果实时显示，"
                     "双击输入编辑框以清空！",
                     tab),
      3, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);

  connect(m_statisticsInput, &QPlainTextEdit::textChanged, this, &ToolWindow::ComputeInput);
  return tab;
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_baseInput) {
    if (IsKey(event, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})) return true;
    if (event->type() == QEvent::MouseButtonDblClick) {
      m_baseResult->clear();
      m_baseInput->clear();
      // An input that was empty already changes nothing, yet the result must show again.
      ConvertInput();
      return true;
    }
  } else if (watched == m_statisticsInput) {
    if (IsKey(event, {Qt::Key_Space})) return true;
  } else if (watched == m_statisticsInput->viewport()) {
    if (event->type() == QEvent::MouseButtonDblClick) {
      m_statisticsInput->clear();
      ShowStatistics(StatisticsTemplate());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ToolWindow::ConvertInput() {
  const std::string result =
      ConvertBase(ToGbk(m_baseInput->text()), m_sourceBase->currentText().toInt(),
                  m_targetBase->currentText().toInt());
  m_baseResult->setText(GbkToQString(result));
}

void ToolWindow::ComputeInput() {
  // Read once: the figures and the chart are of the same samples.
  const std::vector<double> samples =
      ReadStatisticsSamples(ToGbk(m_statisticsInput->toPlainText()));
  // Only an empty input has no samples; the figures then stay as they were.
  if (!samples.empty()) ShowStatistics(StatisticsOfSamples(samples));
  m_statisticsChart->ShowChart(ChartOfSamples(samples));
}

void ToolWindow::ShowStatistics(const std::string& gbk) {
  QString text = GbkToQString(gbk);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  m_statisticsOutput->setText(text);
}

}  // namespace tabulex
