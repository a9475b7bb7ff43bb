// The main window's menu bar and the editor's context menu: captions, order and shortcuts.
// The actions carry no behaviour here; the main window connects them.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace tabulex {

class MainMenus final : public QObject {
  Q_OBJECT

 public:
  MainMenus(QMenuBar* menuBar, QObject* parent);

  QMenu* contextMenu() const { return m_contextMenu; }

  // 文件
  QAction* newDocument{};
  QAction* open{};
  QAction* save{};
  QAction* saveAs{};
  QAction* print{};
  QAction* close{};
  // 编辑
  QAction* undo{};
  QAction* redo{};
  QAction* accumulator{};
  QAction* clearAccumulator{};
  QAction* cut{};
  QAction* copy{};
  QAction* paste{};
  QAction* pasteResult{};
  QAction* clearAll{};
  QAction* selectAll{};
  QAction* recalculate{};
  QAction* fractionConversion{};
  QAction* batchCalculate{};
  // 查找
  QAction* find{};
  QAction* findPrevious{};
  QAction* findNext{};
  // 辅助
  QAction* keypad{};
  QAction* toolWindow{};
  QAction* baseConversion{};
  QAction* statistics{};
  QAction* unitConversion{};
  QAction* timeCalculation{};
  // 设置
  QAction* font{};
  QAction* appearance{};
  QAction* undoSettings{};
  QAction* quickSettings{};
  QAction* resetSettings{};
  // 关于
  QAction* help{};
  QAction* about{};

  // The context menu's own items (cut, copy, paste, paste result, select all, undo, clear
  // all, find, recalculation and fraction conversion repeat the menu bar's actions).
  QAction* contextCut{};
  QAction* contextCopy{};
  QAction* contextPaste{};
  QAction* contextPasteResult{};
  QAction* contextSelectAll{};
  QAction* contextUndo{};
  QMenu* insertFunction{};
  QAction* deleteLine{};
  QAction* contextClearAll{};
  QAction* separatorLine{};
  QAction* contextFind{};
  QAction* contextRecalculate{};
  QAction* contextFractionConversion{};
  QAction* fullScreen{};

 private:
  QMenu* m_contextMenu{};
};

}  // namespace tabulex
