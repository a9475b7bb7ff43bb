#include "tools/qt/time_calculation_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/qt/gbk_qstring.h"
#include "tools/date_report.h"
#include "tools/duration_sum.h"
#include "tools/lunar_date.h"
#include "tools/qt/tool_hint.h"

namespace tabulex {
namespace {

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QLineEdit* CreateInput(const char* name, const QString& text, QWidget* parent) {
  auto* input = new QLineEdit(text, parent);
  input->setObjectName(name);
  return input;
}

QLineEdit* CreateResult(const char* name, QWidget* parent) {
  auto* result = new QLineEdit(parent);
  result->setObjectName(name);
  result->setReadOnly(true);
  return result;
}

CivilDate Today() {
  const QDate today = QDate::currentDate();
  return CivilDate{today.year(), today.month(), today.day()};
}

}  // namespace

TimeCalculationTab::TimeCalculationTab(QWidget* parent) : TimeCalculationTab(Today(), parent) {}

TimeCalculationTab::TimeCalculationTab(const CivilDate& today, QWidget* parent) : QWidget(parent) {
  const QString todayText = QString::fromStdString(FormatCivilDate(today));
  // Five sections are taller than the tool window: they scroll.
  auto* content = new QWidget;
  auto* sections = new QVBoxLayout(content);
  sections->addWidget(CreateSpanSection(todayText));
  sections->addWidget(CreateShiftSection(todayText));
  sections->addWidget(CreateInfoSection(todayText));
  sections->addWidget(CreateLunarSection(today));
  sections->addWidget(CreateDurationSection());
  sections->addWidget(
      CreateToolHint("   *输入即计算，结果实时显示，双击输入编辑框以清空！日期可写作 2024-02-10、"
                     "2024/2/10 或 2024年2月10日。",
                     content));
  sections->addStretch();
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // The sections follow the width; only the height scrolls.
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(content);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);

  ShowSpan();
  ShowShift();
  ShowInfo();
  ShowLunar();
  ShowDurations();
}

QWidget* TimeCalculationTab::CreateSpanSection(const QString& today) {
  auto* group = new QGroupBox(Text("日期间隔"));
  m_spanFrom = CreateInput("spanFrom", today, group);
  m_spanTo = CreateInput("spanTo", today, group);
  m_spanResult = CreateResult("spanResult", group);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(Text("起始日期："), group), 0, 0);
  grid->addWidget(m_spanFrom, 0, 1);
  grid->addWidget(new QLabel(Text("结束日期："), group), 1, 0);
  grid->addWidget(m_spanTo, 1, 1);
  grid->addWidget(new QLabel(Text("间隔结果："), group), 2, 0);
  grid->addWidget(m_spanResult, 2, 1);
  grid->addWidget(
      CreateToolHint("   *结束日期减起始日期；工作日为周一至周五，含起始日，不含结束日。", group),
      3, 0, 1, 2);
  for (QLineEdit* input : {m_spanFrom, m_spanTo}) {
    input->installEventFilter(this);
    connect(input, &QLineEdit::textChanged, this, &TimeCalculationTab::ShowSpan);
  }
  return group;
}

QWidget* TimeCalculationTab::CreateShiftSection(const QString& today) {
  auto* group = new QGroupBox(Text("日期推算"));
  m_shiftDate = CreateInput("shiftDate", today, group);
  m_shiftDays = CreateInput("shiftDays", QStringLiteral("100"), group);
  m_shiftResult = CreateResult("shiftResult", group);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(Text("日期："), group), 0, 0);
  grid->addWidget(m_shiftDate, 0, 1);
  grid->addWidget(new QLabel(Text("加减天数："), group), 1, 0);
  grid->addWidget(m_shiftDays, 1, 1);
  grid->addWidget(new QLabel(Text("推算结果："), group), 2, 0);
  grid->addWidget(m_shiftResult, 2, 1);
  grid->addWidget(CreateToolHint("   *正数向后推算，负数向前推算，例如 30 或 -30。", group), 3, 0,
                  1, 2);
  for (QLineEdit* input : {m_shiftDate, m_shiftDays}) {
    input->installEventFilter(this);
    connect(input, &QLineEdit::textChanged, this, &TimeCalculationTab::ShowShift);
  }
  return group;
}

QWidget* TimeCalculationTab::CreateInfoSection(const QString& today) {
  auto* group = new QGroupBox(Text("日期信息"));
  m_infoDate = CreateInput("infoDate", today, group);
  m_infoResult = CreateResult("infoResult", group);
  m_infoYear = CreateResult("infoYear", group);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(Text("日期："), group), 0, 0);
  grid->addWidget(m_infoDate, 0, 1);
  grid->addWidget(new QLabel(Text("星期农历："), group), 1, 0);
  grid->addWidget(m_infoResult, 1, 1);
  grid->addWidget(new QLabel(Text("年内周次："), group), 2, 0);
  grid->addWidget(m_infoYear, 2, 1);
  grid->addWidget(
      CreateToolHint("   *周次按 ISO 8601：每周从星期一开始，含当年第一个星期四的一周为第1周；"
                     "逢节气之日在农历后标出节气。农历限1901年至2099年。",
                     group),
      3, 0, 1, 2);
  m_infoDate->installEventFilter(this);
  connect(m_infoDate, &QLineEdit::textChanged, this, &TimeCalculationTab::ShowInfo);
  return group;
}

QWidget* TimeCalculationTab::CreateLunarSection(const CivilDate& today) {
  auto* group = new QGroupBox(Text("农历转公历"));
  m_lunarYear = new QSpinBox(group);
  m_lunarYear->setObjectName("lunarYear");
  // Lunar 1900 still reaches into January 1901.
  m_lunarYear->setRange(kFirstLunarDay.year - 1, kLastLunarDay.year);
  m_lunarYear->setSuffix(Text("年"));
  m_lunarYearName = new QLabel(group);
  m_lunarYearName->setObjectName("lunarYearName");
  m_lunarMonth = new QComboBox(group);
  m_lunarMonth->setObjectName("lunarMonth");
  for (int month = 1; month <= 12; ++month) {
    m_lunarMonth->addItem(GbkToQString(LunarMonthName(month, LunarMonthKind::Ordinary)));
  }
  m_lunarLeap = new QCheckBox(Text("闰月"), group);
  m_lunarLeap->setObjectName("lunarLeap");
  m_lunarDay = new QComboBox(group);
  m_lunarDay->setObjectName("lunarDay");
  for (int day = 1; day <= 30; ++day) m_lunarDay->addItem(GbkToQString(LunarDayName(day)));
  m_lunarResult = CreateResult("lunarResult", group);

  // Today's lunar date, so that the section opens on a date that exists.
  const Outcome<LunarDate> lunar = LunarDateOf(today);
  const LunarDate start = lunar.ok() ? lunar.value() : LunarDate{kLastLunarDay.year, 1};
  m_lunarYear->setValue(start.year);
  m_lunarMonth->setCurrentIndex(start.month - 1);
  m_lunarLeap->setChecked(start.kind == LunarMonthKind::Leap);
  m_lunarDay->setCurrentIndex(start.day - 1);

  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(Text("农历："), group), 0, 0);
  auto* fields = new QHBoxLayout;
  fields->addWidget(m_lunarYear);
  fields->addWidget(m_lunarYearName);
  fields->addWidget(m_lunarLeap);
  fields->addWidget(m_lunarMonth);
  fields->addWidget(m_lunarDay);
  fields->addStretch();
  grid->addLayout(fields, 0, 1);
  grid->addWidget(new QLabel(Text("公历日期："), group), 1, 0);
  grid->addWidget(m_lunarResult, 1, 1);
  grid->addWidget(CreateToolHint("   *年份为农历年开始的公历年，例如2024年即甲辰年。", group), 2, 0,
                  1, 2);

  connect(m_lunarYear, &QSpinBox::valueChanged, this, &TimeCalculationTab::ShowLunar);
  connect(m_lunarMonth, &QComboBox::currentIndexChanged, this, &TimeCalculationTab::ShowLunar);
  connect(m_lunarLeap, &QCheckBox::toggled, this, &TimeCalculationTab::ShowLunar);
  connect(m_lunarDay, &QComboBox::currentIndexChanged, this, &TimeCalculationTab::ShowLunar);
  return group;
}

QWidget* TimeCalculationTab::CreateDurationSection() {
  auto* group = new QGroupBox(Text("时长合计"));
  m_durationInput = new QPlainTextEdit(group);
  m_durationInput->setObjectName("durationInput");
  m_durationResult = CreateResult("durationResult", group);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(Text("时长："), group), 0, 0, Qt::AlignTop);
  grid->addWidget(m_durationInput, 0, 1);
  grid->addWidget(new QLabel(Text("合计："), group), 1, 0);
  grid->addWidget(m_durationResult, 1, 1);
  grid->addWidget(CreateToolHint("   *每行一个时长，写作 h:mm:ss 或 h:mm，前面可加负号（-0:45 "
                                 "为减去45分钟），空行不计。",
                                 group),
                  2, 0, 1, 2);
  // Mouse clicks reach the text box's viewport.
  m_durationInput->viewport()->installEventFilter(this);
  connect(m_durationInput, &QPlainTextEdit::textChanged, this, &TimeCalculationTab::ShowDurations);
  return group;
}

bool TimeCalculationTab::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    // Clearing changes the text, and the section shows what its empty input means.
    if (auto* input = qobject_cast<QLineEdit*>(watched)) {
      input->clear();
      return true;
    }
    if (watched == m_durationInput->viewport()) {
      m_durationInput->clear();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TimeCalculationTab::ShowSpan() {
  m_spanResult->setText(
      GbkToQString(DateSpanText(QStringToGbk(m_spanFrom->text()), QStringToGbk(m_spanTo->text()))));
}

void TimeCalculationTab::ShowShift() {
  m_shiftResult->setText(GbkToQString(
      DatePlusDaysText(QStringToGbk(m_shiftDate->text()), QStringToGbk(m_shiftDays->text()))));
}

void TimeCalculationTab::ShowInfo() {
  const Outcome<CivilDate> date = ParseCivilDate(QStringToGbk(m_infoDate->text()));
  if (!date.ok()) {
    m_infoResult->setText(GbkToQString(date.message()));
    m_infoYear->clear();
    return;
  }
  m_infoResult->setText(GbkToQString(DescribeDate(date.value())));
  m_infoYear->setText(GbkToQString(DayInYearText(date.value())));
}

void TimeCalculationTab::ShowLunar() {
  const int year = m_lunarYear->value();
  m_lunarYearName->setText(GbkToQString(LunarYearName(year)) + Text("年 (") +
                           GbkToQString(ZodiacName(year)) + Text(")"));
  const LunarDate lunar{year, m_lunarMonth->currentIndex() + 1,
                        m_lunarLeap->isChecked() ? LunarMonthKind::Leap : LunarMonthKind::Ordinary,
                        m_lunarDay->currentIndex() + 1};
  m_lunarResult->setText(GbkToQString(LunarToCivilText(lunar)));
}

void TimeCalculationTab::ShowDurations() {
  const Outcome<std::int64_t> total = SumDurations(QStringToGbk(m_durationInput->toPlainText()));
  m_durationResult->setText(
      GbkToQString(total.ok() ? DurationText(total.value()) : total.message()));
}

}  // namespace tabulex
