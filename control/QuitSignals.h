// SIGTERM (a desktop session ending) and SIGINT (Ctrl+C) handled in the event loop, where a
// program may do anything, instead of ending it on the spot.
#pragma once

#include <functional>

class QObject;

namespace control {

// From now on each SIGTERM or SIGINT calls onSignal from the event loop of context's thread, for
// as long as context lives. The signal handler itself only writes one byte to a pipe.
void HandleQuitSignals(QObject* context, std::function<void()> onSignal);

} // namespace control
