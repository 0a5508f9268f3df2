#pragma once

#include "Clock.h"
#include "RandomSource.h"
#include "Registry.h"
#include "StartResult.h"

#include <QString>

// What the program asks of the system that needs no window: the time, chance, starting other programs,
// knowing whether another copy runs, the few settings kept outside the program's files and who the user
// is. Code that needs only part of it takes that part (Clock, RandomSource). The whole platform adds the
// windowed part; both derive from this virtually, so that one object can take its core from an
// implementation of this alone.
class PlatformCore : public Clock, public RandomSource {
public:
    virtual StartResult startProgram(const QString& commandLine) = 0;
    // Takes the program folder's lock for the whole run, creating the folder first; true only when another
    // live copy holds it.
    virtual bool anotherCopyRunning() = 0;
    virtual Registry& registry() = 0;
    // The login name of the process's user; empty when the system does not know it.
    virtual QString userName() const = 0;
    // The program start at login names, full path: the installed one when there is one, else this one.
    virtual QString programPath() const = 0;
    // After anotherCopyRunning(): why the lock could not be taken although no other copy holds it, as the
    // user is told (the folder and the reason); empty when it was taken or another copy holds it.
    virtual QString instanceLockFailure() const = 0;
};
