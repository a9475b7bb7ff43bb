#include "tools/qt/keypad_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "settings/ini_document.h"
#include "support/notifying_buffer.h"

namespace tabulex {
namespace {

using K = KeypadKey;

// The configuration file in memory.
class MemoryStore final : public SettingsStore {
 public:
  std::string ReadKey(std::string_view section, std::string_view key,
                      std::string_view defaultText) const override {
    return m_document.ReadKey(section, key, defaultText);
  }
  bool WriteKey(std::string_view section, std::string_view key, std::string_view value) override {
    return m_document.WriteKey(section, key, value);
  }
  // UTF-8 in and out; "" when the key is missing.
  std::string Read(std::string_view key) const {
    return GbkToUtf8(m_document.ReadKey(Utf8ToGbk("键盘窗口设置"), Utf8ToGbk(key), ""));
  }
  void Write(std::string_view key, std::string_view value) {
    m_document.WriteKey(Utf8ToGbk("键盘窗口设置"), Utf8ToGbk(key), Utf8ToGbk(value));
  }

 private:
  IniDocument m_document{""};
};

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

class KeypadWindowTest : public ::testing::Test {
 protected:
  // A keypad as the main window opens it: created, then shown.
  QPointer<KeypadWindow> Open() {
    QPointer<KeypadWindow> keypad = new KeypadWindow(
        nullptr, editor.session, editor.commands, store, [this] { ++focusCalls; },
        [this] { ++clearAllCalls; });
    keypad->show();
    focusCalls = 0;
    return keypad;
  }

  void Close(QPointer<KeypadWindow>& keypad) {
    keypad->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(keypad.isNull());  // deleted on close
  }

  void Click(KeypadWindow& keypad, KeypadKey key) {
    QTest::mouseClick(keypad.button(key), Qt::LeftButton);
  }

  QString Caption(KeypadWindow& keypad, KeypadKey key) { return keypad.button(key)->text(); }

  testing::EditorHarness editor;
  MemoryStore store;
  int focusCalls{0};
  int clearAllCalls{0};
};

TEST_F(KeypadWindowTest, OpensWithDefaultsAndButtonsThatNeverTakeTheFocus) {
  QPointer<KeypadWindow> keypad = Open();
  EXPECT_TRUE(keypad->windowTitle().isEmpty());
  EXPECT_EQ(keypad->size(), QSize(540, 265));
  EXPECT_EQ(keypad->pos(), QPoint(265, 265));
  EXPECT_EQ(keypad->mode(), KeypadMode::Scientific);
  EXPECT_EQ(Caption(*keypad, K::LayoutToggle), QString::fromUtf8("简单"));
  EXPECT_EQ(keypad->findChildren<QPushButton*>().size(), kKeypadKeyCount);
  for (const KeypadKeyDefinition& definition : KeypadKeys()) {
    const QPushButton* button = keypad->button(definition.key);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    const KeypadRect rect = KeypadDesignRect(definition.key);
    EXPECT_EQ(button->geometry(), QRect(rect.left, rect.top, rect.width, rect.height));
  }
  Close(keypad);
}

TEST_F(KeypadWindowTest, KeysTypeIntoTheEditorAndGiveItTheFocus) {
  editor.Start("▮");
  QPointer<KeypadWindow> keypad = Open();
  Click(*keypad, K::Two);
  Click(*keypad, K::Plus);
  Click(*keypad, K::Three);
  EXPECT_EQ(focusCalls, 3);
  Click(*keypad, K::Equals);
  EXPECT_EQ(editor.Shown(), "2+3=5▮");
  Click(*keypad, K::ClearAll);
  EXPECT_EQ(clearAllCalls, 1);
  EXPECT_EQ(focusCalls, 5);

  Click(*keypad, K::Sinh);  // the keypad keeps the focus after "sinh"
  EXPECT_EQ(focusCalls, 5);
  EXPECT_EQ(editor.Shown(), "2+3=5sinh▮");
  Close(keypad);
}

TEST_F(KeypadWindowTest, SecondActsOnReleaseOverTheButton) {
  editor.Start("▮");
  QPointer<KeypadWindow> keypad = Open();
  QPushButton* second = keypad->button(K::Second);

  // Pressed, then let go over the background: no switch, only the background's focus rule.
  SendMouse(second, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
  SendMouse(second, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(-5, -5));
  EXPECT_EQ(Caption(*keypad, K::Power), QString::fromUtf8("X^y"));
  EXPECT_EQ(focusCalls, 1);
  focusCalls = 0;

  // Any mouse button let go over it switches.
  SendMouse(second, QEvent::MouseButtonPress, Qt::RightButton, QPoint(5, 5));
  SendMouse(second, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(5, 5));
  EXPECT_EQ(Caption(*keypad, K::Power), QString::fromUtf8("1/X"));
  EXPECT_EQ(Caption(*keypad, K::FractionSeparator), QString::fromUtf8("，"));
  EXPECT_EQ(focusCalls, 1);

  Click(*keypad, K::Power);
  EXPECT_EQ(editor.Shown(), "1/(▮)");
  Click(*keypad, K::FractionSeparator);
  EXPECT_EQ(editor.Shown(), "1/(,▮)");

  Click(*keypad, K::Second);
  EXPECT_EQ(Caption(*keypad, K::Power), QString::fromUtf8("X^y"));
  EXPECT_EQ(Caption(*keypad, K::Pi), QString::fromUtf8("π"));
  Close(keypad);
}

TEST_F(KeypadWindowTest, ClickKeysIgnoreOtherMouseButtons) {
  editor.Start("▮");
  QPointer<KeypadWindow> keypad = Open();
  SendMouse(keypad->button(K::Seven), QEvent::MouseButtonPress, Qt::RightButton, QPoint(5, 5));
  SendMouse(keypad->button(K::Seven), QEvent::MouseButtonRelease, Qt::RightButton, QPoint(5, 5));
  EXPECT_EQ(editor.Shown(), "▮");
  Close(keypad);
}

TEST_F(KeypadWindowTest, ButtonsFollowTheWindowSizeAndLayout) {
  QPointer<KeypadWindow> keypad = Open();
  keypad->resize(1080, 530);
  for (const KeypadKeyDefinition& definition : KeypadKeys()) {
    const KeypadRect rect = KeypadDesignRect(definition.key);
    EXPECT_EQ(keypad->button(definition.key)->geometry(),
              QRect(2 * rect.left, 2 * rect.top, 2 * rect.width, 2 * rect.height));
  }

  keypad->resize(312, 265);
  Click(*keypad, K::LayoutToggle);
  EXPECT_EQ(keypad->mode(), KeypadMode::Compact);
  EXPECT_EQ(Caption(*keypad, K::LayoutToggle), QString::fromUtf8("科学"));
  EXPECT_EQ(keypad->button(K::Zero)->geometry(), QRect(6, 223, 147, 33));
  EXPECT_LE(keypad->button(K::Tanh)->geometry().right(), 0);
  Close(keypad);
}

TEST_F(KeypadWindowTest, BackgroundClicksGiveTheFocusAndADoubleClickCloses) {
  QPointer<KeypadWindow> keypad = Open();
  const QPoint background(2, 2);  // left of the first column
  ASSERT_EQ(keypad->childAt(background), nullptr);
  SendMouse(keypad, QEvent::MouseButtonPress, Qt::LeftButton, background);
  SendMouse(keypad, QEvent::MouseButtonRelease, Qt::LeftButton, background);
  EXPECT_EQ(focusCalls, 2);
  keypad->move(300, 200);
  EXPECT_EQ(focusCalls, 3);

  SendMouse(keypad, QEvent::MouseButtonDblClick, Qt::LeftButton, background);
  EXPECT_EQ(focusCalls, 4);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(keypad.isNull());
  EXPECT_EQ(store.Read("键盘左边"), "300");
}

TEST_F(KeypadWindowTest, ReopeningKeepsSizePositionAndLayout) {
  QPointer<KeypadWindow> keypad = Open();
  keypad->resize(400, 200);
  keypad->move(120, 80);
  Click(*keypad, K::LayoutToggle);
  Close(keypad);
  EXPECT_EQ(store.Read("键盘宽度"), "400");
  EXPECT_EQ(store.Read("键盘高度"), "200");
  EXPECT_EQ(store.Read("键盘左边"), "120");
  EXPECT_EQ(store.Read("键盘顶边"), "80");
  EXPECT_EQ(store.Read("键盘模式"), "假");

  keypad = Open();
  EXPECT_EQ(keypad->size(), QSize(400, 200));
  EXPECT_EQ(keypad->pos(), QPoint(120, 80));
  EXPECT_EQ(keypad->mode(), KeypadMode::Compact);
  EXPECT_EQ(Caption(*keypad, K::LayoutToggle), QString::fromUtf8("科学"));
  EXPECT_EQ(Caption(*keypad, K::Power), QString::fromUtf8("X^y"));  // second functions off
  EXPECT_EQ(keypad->button(K::Zero)->geometry(),
            QRect(6 * 400 / 312, 223 * 200 / 265, 147 * 400 / 312, 33 * 200 / 265));
  Close(keypad);
}

// A click activates the keypad; the editor's window must get the keys afterwards.
TEST_F(KeypadWindowTest, KeysActivateTheOwnersWindow) {
  QWidget owner;
  owner.show();
  auto* keypad = new KeypadWindow(
      &owner, editor.session, editor.commands, store, [] {}, [] {});
  keypad->show();
  keypad->activateWindow();
  // Qt counts the owner of an active tool window as active too: ask which window has the keys.
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == keypad->windowHandle(); }));
  Click(*keypad, K::Seven);
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == owner.windowHandle(); }));
  EXPECT_EQ(editor.Shown(), "7▮");
}

TEST_F(KeypadWindowTest, AStoredSizeOfNothingOpensAtTheDefaultSize) {
  store.Write("键盘宽度", "0");
  store.Write("键盘高度", "-20");
  QPointer<KeypadWindow> keypad = Open();
  EXPECT_EQ(keypad->size(), QSize(540, 265));
  Close(keypad);
}

}  // namespace
}  // namespace tabulex
