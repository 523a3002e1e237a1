#include "platform/qt/connect_system.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include "app/Program.h"
#include "platform/qt/LinuxServices.h"
#include "platform/qt/SingleInstance.h"

namespace kvirlo::qt {
namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(signalPipe[1], &byte, 1);
}

// A signal only writes a byte; the program hears of it in its event loop.
void onTerminationSignals(const std::function<void()>& closeRequest) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, [closeRequest] {
    char byte;
    [[maybe_unused]] auto n = ::read(signalPipe[0], &byte, 1);
    closeRequest();
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGHUP, SIGINT}) sigaction(sig, &action, nullptr);
}

}  // namespace

void connectToSystem(Program& program, LinuxServices& system, SingleInstance& instance) {
  system.tray.onMouse = [&program](int button) { program.trayMouse(button); };
  instance.onAnotherStart([&program](const ActivationToken& token) {
    handOver(token);
    program.anotherStart();
  });
  auto closeRequest = [&program] { program.closeRequest(); };
  onTerminationSignals(closeRequest);
  QObject::connect(qApp, &QGuiApplication::commitDataRequest,
                   [closeRequest](QSessionManager&) { closeRequest(); });
}

}  // namespace kvirlo::qt
