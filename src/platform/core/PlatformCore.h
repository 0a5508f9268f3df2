#pragma once

#include "Clock.h"
#include "RandomSource.h"
#include "StartResult.h"

#include <QString>

// What the program asks of the system that needs no window: the time, chance, starting other programs and
// knowing whether another copy runs. Code that needs only part of it takes that part (Clock,
// RandomSource). The whole platform adds the windowed part; both derive from this virtually, so that one
// object can take its core from an implementation of this alone.
class PlatformCore : public Clock, public RandomSource {
public:
    virtual StartResult startProgram(const QString& commandLine) = 0;
    virtual bool anotherCopyRunning() = 0;
};
