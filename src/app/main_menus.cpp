#include "app/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tabulex {
namespace {

QAction* Item(QMenu* menu, const char* caption, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

}  // namespace

MainMenus::MainMenus(QMenuBar* menuBar, QObject* parent) : QObject(parent) {
  QMenu* file = menuBar->addMenu(QString::fromUtf8("&F.文件"));
  newDocument = Item(file, "&N.新建", QKeySequence("Ctrl+N"));
  open = Item(file, "&O.打开", QKeySequence("Ctrl+O"));
  save = Item(file, "&S.保存", QKeySequence("Ctrl+S"));
  saveAs = Item(file, "&A.另存为");
  print = Item(file, "&P.打印", QKeySequence("Ctrl+P"));
  file->addSeparator();
  close = Item(file, "&X.关闭", QKeySequence("Ctrl+Q"));

  QMenu* edit = menuBar->addMenu(QString::fromUtf8("&E.编辑"));
  undo = Item(edit, "&z.撤消", QKeySequence("Ctrl+Z"));
  redo = Item(edit, "&Y.重做", QKeySequence("Ctrl+Y"));
  edit->addSeparator();
  accumulator = Item(edit, "&S.累加器", QKeySequence("F7"));
  clearAccumulator = Item(edit, "&O.清空累加器", QKeySequence("F8"));
  edit->addSeparator();
  cut = Item(edit, "&X.剪切", QKeySequence("Ctrl+X"));
  copy = Item(edit, "&C.复制", QKeySequence("Ctrl+C"));
  paste = Item(edit, "&P.粘贴", QKeySequence("Ctrl+V"));
  pasteResult = Item(edit, "&B.粘贴结果", QKeySequence("Ctrl+R"));
  clearAll = Item(edit, "&D.清除全部", QKeySequence("Ctrl+D"));
  selectAll = Item(edit, "&A.全选", QKeySequence("Ctrl+A"));
  edit->addSeparator();
  recalculate = Item(edit, "&w.重算");
  fractionConversion = Item(edit, "&F.分数转换");
  batchCalculate = Item(edit, "&F.批量运算");

  QMenu* search = menuBar->addMenu(QString::fromUtf8("&S.查找"));
  find = Item(search, "&F.查找和替换", QKeySequence("Ctrl+F"));
  findPrevious = Item(search, "&P.查找上一个", QKeySequence("Shift+F3"));
  findNext = Item(search, "&N.查找下一个", QKeySequence("F3"));

  QMenu* tools = menuBar->addMenu(QString::fromUtf8("&F.辅助"));
  keypad = Item(tools, "&X.辅助键盘");
  QMenu* analysis = tools->addMenu(QString::fromUtf8("&S.辅助分析"));
  toolWindow = Item(analysis, "辅助主界面");
  baseConversion = Item(analysis, "&J.进制转换");
  statistics = Item(analysis, "&T.统计分析");
  unitConversion = Item(analysis, "&D.单位换算");
  timeCalculation = Item(analysis, "&T.时间计算");

  QMenu* settings = menuBar->addMenu(QString::fromUtf8("&K.设置"));
  font = Item(settings, "&T.字体", QKeySequence("Ctrl+T"));
  appearance = Item(settings, "&W.外观设置");
  undoSettings = Item(settings, "&S.撤销设置");
  Item(settings, "&I.辅助设置");  // no command of its own
  quickSettings = Item(settings, "&K.快捷设置");
  settings->addSeparator();
  resetSettings = Item(settings, "&E.重置设置");

  QMenu* about_ = menuBar->addMenu(QString::fromUtf8("&H.关于"));
  help = Item(about_, "&K.帮助", QKeySequence("F1"));
  about_->addSeparator();
  about = Item(about_, "&A.关于计算器");

  m_contextMenu = new QMenu(menuBar);
  contextCut = Item(m_contextMenu, "&X.剪切");
  contextCopy = Item(m_contextMenu, "&C.复制");
  contextPaste = Item(m_contextMenu, "&P.粘贴");
  contextPasteResult = Item(m_contextMenu, "&B.粘贴结果");
  contextSelectAll = Item(m_contextMenu, "&A.全选");
  contextUndo = Item(m_contextMenu, "&Z.撤消");
  // Filled from the editor's table of function items.
  insertFunction = m_contextMenu->addMenu(QString::fromUtf8("&C.插入函数"));
  deleteLine = Item(m_contextMenu, "&C.删除当行");
  contextClearAll = Item(m_contextMenu, "&D.清除全部");
  separatorLine = Item(m_contextMenu, "&L.-----");
  contextFind = Item(m_contextMenu, "&F.查找和替换");
  contextRecalculate = Item(m_contextMenu, "&W.重算");
  contextFractionConversion = Item(m_contextMenu, "&F.分数转换");
  fullScreen = Item(m_contextMenu, "&Q.全屏");
  fullScreen->setCheckable(true);
}

}  // namespace tabulex
