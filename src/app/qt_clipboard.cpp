#include "app/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "editor/qt/editor_widget_buffer.h"

namespace tabulex {

void QtClipboard::SetText(std::string_view gbkText) {
  QGuiApplication::clipboard()->setText(EditorWidgetBuffer::ToWidgetText(gbkText));
}

}  // namespace tabulex
