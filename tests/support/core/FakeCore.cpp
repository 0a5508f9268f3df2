#include "FakeCore.h"

double FakeCore::rnd() {
    if (randoms.empty()) {
        // A fixed walk through [0, 1) so that unscripted draws still differ.
        nextFixed_ += 0.381966;
        if (nextFixed_ >= 1.0) nextFixed_ -= 1.0;
        return nextFixed_;
    }
    const double value = randoms.front();
    randoms.pop_front();
    return value;
}

StartResult FakeCore::startProgram(const QString& commandLine) {
    started << commandLine;
    journal << QStringLiteral("start:") + commandLine;
    return nextStart;
}
