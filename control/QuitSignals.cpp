// SIGTERM and SIGINT handled in the event loop, through a pipe the signal handler writes to.
#include "control/QuitSignals.h"

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace control {

namespace {

std::array<int, 2> SignalPipe{-1, -1}; // written by the handler, read by the event loop

void WriteSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe already has a call waiting.
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[0], &byte, 1);
}

} // namespace

void HandleQuitSignals(QObject* context, std::function<void()> onSignal)
{
    if (SignalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe.data()) != 0)
        return; // the default handling stays: the program still ends on the signal
    auto* notifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [onSignal = std::move(onSignal)] {
                         char byte = 0;
                         if (::read(SignalPipe[1], &byte, 1) == 1)
                             onSignal();
                     });
    struct sigaction action = {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace control
