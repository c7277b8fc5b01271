// Today's date, which the quick prediction's rules count from.
#pragma once

#include <QDate>

namespace seams {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace seams
