#pragma once

#include <QDateTime>

// The date and time of day as the program reads them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
