#include "editor/qt/find_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

#include "engine/qt/gbk_qstring.h"

namespace tabulex {
namespace {

// Characters GBK cannot hold become "?" here, as everywhere text enters the document.
std::string ToGbk(const QLineEdit* box) {
  return QStringToGbk(box->text());
}

}  // namespace

FindWindow::FindWindow(QWidget* parent, FindState& state, EditorBuffer& editor,
                       std::function<void()> focusEditor)
    : QDialog(parent), m_state{state}, m_editor{editor}, m_focusEditor{std::move(focusEditor)} {
  setWindowTitle(QString::fromUtf8("查找和替换"));
  setModal(false);

  auto* searchLabel = new QLabel(QString::fromUtf8("请输入要查找的文本："), this);
  m_searchBox = new QLineEdit(this);
  m_searchBox->setObjectName("searchBox");
  m_caseOption = new QCheckBox(QString::fromUtf8("英文字母区分大小写"), this);
  auto* replacementLabel = new QLabel(QString::fromUtf8("请输入要替换的文本："), this);
  m_replacementBox = new QLineEdit(this);
  m_replacementBox->setObjectName("replacementBox");
  m_findPrevious = new QPushButton(QString::fromUtf8("查找上一个"), this);
  m_findNext = new QPushButton(QString::fromUtf8("查找下一个"), this);
  m_replace = new QPushButton(QString::fromUtf8("替换"), this);
  m_replaceAll = new QPushButton(QString::fromUtf8("替换全部"), this);
  // Enter in either box finds the next occurrence.
  m_findNext->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_findPrevious);
  buttons->addWidget(m_findNext);
  buttons->addWidget(m_replace);
  buttons->addWidget(m_replaceAll);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(searchLabel);
  layout->addWidget(m_searchBox);
  layout->addWidget(m_caseOption);
  layout->addWidget(replacementLabel);
  layout->addWidget(m_replacementBox);
  layout->addLayout(buttons);

  connect(m_searchBox, &QLineEdit::textChanged, this, &FindWindow::UpdateButtons);
  connect(m_findPrevious, &QPushButton::clicked, this,
          [this] { FindAndFocus(FindDirection::Backward, FindAction::Select); });
  connect(m_findNext, &QPushButton::clicked, this,
          [this] { FindAndFocus(FindDirection::Forward, FindAction::Select); });
  connect(m_replace, &QPushButton::clicked, this,
          [this] { FindAndFocus(FindDirection::Forward, FindAction::Replace); });
  connect(m_replaceAll, &QPushButton::clicked, this, &FindWindow::ReplaceAllAndFocus);

  m_searchBox->setText(GbkToQString(m_state.searchText));
  m_searchBox->selectAll();
  m_caseOption->setChecked(m_state.caseOption);
  UpdateButtons();
}

void FindWindow::UpdateButtons() {
  const bool enabled = !m_searchBox->text().isEmpty();
  for (QPushButton* button : {m_findPrevious, m_findNext, m_replace, m_replaceAll}) {
    button->setEnabled(enabled);
  }
}

void FindWindow::StoreSearchFields() {
  m_state.searchText = ToGbk(m_searchBox);
  m_state.caseOption = m_caseOption->isChecked();
}

void FindWindow::FindAndFocus(FindDirection direction, FindAction action) {
  StoreSearchFields();
  if (action == FindAction::Replace) m_state.replacement = ToGbk(m_replacementBox);
  Find(m_editor, m_state, direction, action);
  if (m_focusEditor) m_focusEditor();
}

void FindWindow::ReplaceAllAndFocus() {
  StoreSearchFields();
  m_state.replacement = ToGbk(m_replacementBox);
  ReplaceAll(m_editor, m_state);
  if (m_focusEditor) m_focusEditor();
}

}  // namespace tabulex
