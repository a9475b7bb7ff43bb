#include "app/termination_signals.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace tabulex {
namespace {

int g_signalSockets[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  // Nothing else is safe in a signal handler; a full pipe means one is pending anyway.
  (void)!::write(g_signalSockets[0], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSockets) != 0) {
    return;
  }
  m_notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] {
    char buffer[16];
    while (::read(g_signalSockets[1], buffer, sizeof buffer) > 0) {
    }
    emit terminationRequested();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGHUP, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  ::signal(SIGTERM, SIG_DFL);
  ::signal(SIGHUP, SIG_DFL);
}

}  // namespace tabulex
