#pragma once

#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

// The signals by which the system or the user ends a program from outside: SIGTERM (shutdown, logout, kill),
// SIGHUP (the terminal or the session closed) and SIGINT (Ctrl+C). While an object of this class lives, each
// of them no longer ends the process at once: it is handed to onSignal on the event loop, where the program
// can end in order. The handler itself only writes the signal's number to a pipe (nothing else is safe
// there); one object at a time.
class EndSignals {
public:
    explicit EndSignals(std::function<void(int signal)> onSignal);
    ~EndSignals(); // the signals end the process again
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    // False when the pipe or a handler could not be set up: the signals then keep their usual effect.
    bool isWatching() const { return watching_; }

    static constexpr int SIGNALS[] = {SIGTERM, SIGHUP, SIGINT};

private:
    void readPending();

    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_[std::size(SIGNALS)] = {};
    bool watching_ = false;
};
