// The show/hide hotkey for real: a virtual X server of the test's own (Xvfb), key presses
// sent by xdotool, and a second X client that holds combinations. Skipped where Xvfb is not
// installed. It never touches the display the tests were started from.
#include "window/qt/global_hotkey.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>

#include <cstdlib>
#include <memory>
#include <string>

#include "window/x11_keymap.h"

extern char** environ;

namespace tabulex {
namespace {

std::string g_display;  // ":N" of our own X server, empty when there is none

// Xvfb, started with -displayfd so that it picks a free display itself.
class VirtualXServer {
 public:
  bool Start() {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return false;
    const std::string fd = std::to_string(pipeFds[1]);
    const char* argv[] = {"Xvfb",        "-displayfd", fd.c_str(), "-screen", "0",
                          "1024x768x24", "-nolisten",  "tcp",      nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned =
        posix_spawnp(&m_pid, "Xvfb", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
      m_pid = -1;
      ::close(pipeFds[0]);
      return false;
    }
    std::string number;
    pollfd readable{pipeFds[0], POLLIN, 0};
    char c;
    while (::poll(&readable, 1, 20000) > 0 && ::read(pipeFds[0], &c, 1) == 1 && c != '\n') {
      number += c;
    }
    ::close(pipeFds[0]);
    if (number.empty()) return false;
    g_display = ":" + number;
    return true;
  }

  ~VirtualXServer() {
    if (m_pid <= 0) return;
    ::kill(m_pid, SIGTERM);
    ::waitpid(m_pid, nullptr, 0);
  }

 private:
  pid_t m_pid{-1};
};

// Another program on the same display, to hold combinations.
class OtherClient {
 public:
  OtherClient() : m_connection{xcb_connect(g_display.c_str(), nullptr)} {
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
  }
  ~OtherClient() { xcb_disconnect(m_connection); }

  // True when the grab succeeded: nobody else holds the key with these modifiers.
  bool Grab(std::uint32_t keysym, std::uint16_t modifiers) {
    const std::uint8_t keycode = Keycode(keysym);
    xcb_generic_error_t* error = xcb_request_check(
        m_connection, xcb_grab_key_checked(m_connection, 0, m_root, modifiers, keycode,
                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::free(error);
    return error == nullptr;
  }

 private:
  std::uint8_t Keycode(std::uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        m_connection,
        xcb_get_keyboard_mapping(
            m_connection, setup->min_keycode,
            static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
        nullptr);
    if (reply == nullptr) return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply);
    const KeyboardMapping mapping{
        setup->min_keycode, reply->keysyms_per_keycode,
        std::vector<std::uint32_t>(keysyms,
                                   keysyms + xcb_get_keyboard_mapping_keysyms_length(reply))};
    std::free(reply);
    const std::vector<std::uint8_t> keycodes = KeycodesForKeysym(mapping, keysym);
    return keycodes.empty() ? 0 : keycodes.front();
  }

  xcb_connection_t* m_connection;
  xcb_window_t m_root{0};
};

constexpr std::uint32_t kF6 = 0xffc3;
constexpr std::uint32_t kF7 = 0xffc4;
constexpr std::uint16_t kControl = 4;
constexpr std::uint16_t kShift = 1;

class GlobalHotkeyTest : public testing::Test {
 protected:
  void SetUp() override {
    if (g_display.empty()) GTEST_SKIP() << "needs an X server: Xvfb is not installed";
  }

  // Sends keys with xdotool and waits until the hotkey has fired that often.
  int PressAndCount(GlobalHotkey& hotkey, const QStringList& keys, int expected) {
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) return -1;
    int count = 0;
    const auto connection = QObject::connect(&hotkey, &GlobalHotkey::activated, [&] { ++count; });
    QProcess::execute("xdotool", QStringList{"key"} + keys);
    const QDeadlineTimer deadline(10000);
    while (count < expected && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QObject::disconnect(connection);
    return count;
  }
};

TEST_F(GlobalHotkeyTest, ARegisteredCombinationFiresWhateverTheLockKeys) {
  GlobalHotkey hotkey;
  EXPECT_EQ(hotkey.Register(1, 117), 33001);  // Ctrl+F6
  EXPECT_EQ(hotkey.Id(), 33001);
  const int count = PressAndCount(hotkey, {"ctrl+F6", "Num_Lock", "ctrl+F6", "Num_Lock"}, 2);
  if (count < 0) GTEST_SKIP() << "needs xdotool to press keys";
  EXPECT_EQ(count, 2);
}

TEST_F(GlobalHotkeyTest, ACombinationHeldElsewhereKeepsIdZeroAndTheNextRegistrationTakesTheNextId) {
  OtherClient other;
  ASSERT_TRUE(other.Grab(kF7, kControl));
  GlobalHotkey hotkey;
  EXPECT_EQ(hotkey.Register(1, 118), 0);  // Ctrl+F7: taken
  EXPECT_EQ(hotkey.Id(), 0);
  EXPECT_EQ(hotkey.Register(1, 117), 33002);  // Ctrl+F6
  hotkey.Unregister();
  EXPECT_EQ(hotkey.Id(), 33002);
}

TEST_F(GlobalHotkeyTest, UnregisteringOrRegisteringAnotherCombinationReleasesTheOldOne) {
  GlobalHotkey hotkey;
  ASSERT_NE(hotkey.Register(1, 117), 0);  // Ctrl+F6
  EXPECT_FALSE(OtherClient().Grab(kF6, kControl));
  ASSERT_NE(hotkey.Register(2, 118), 0);  // Shift+F7 in its place
  EXPECT_TRUE(OtherClient().Grab(kF6, kControl));
  EXPECT_FALSE(OtherClient().Grab(kF7, kShift));
  EXPECT_FALSE(OtherClient().Grab(kF7, kShift | 2));  // also with CapsLock on
  hotkey.Unregister();
  EXPECT_TRUE(OtherClient().Grab(kF7, kShift));
}

TEST_F(GlobalHotkeyTest, AKeyWithoutAnX11CounterpartIsNotRegistered) {
  GlobalHotkey hotkey;
  EXPECT_EQ(hotkey.Register(0, 0xFF), 0);
  EXPECT_EQ(hotkey.Register(0, 123), 33002);  // F12
}

}  // namespace
}  // namespace tabulex

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  tabulex::VirtualXServer server;
  if (server.Start()) {
    setenv("DISPLAY", tabulex::g_display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  } else {
    tabulex::g_display.clear();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
