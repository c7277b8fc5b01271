// quick.dat: the candidate numbers that Numbers3 and Numbers4 predictions are picked from.
#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <variant>

namespace quick {

inline constexpr const char* kDataFileName = "quick.dat";
inline constexpr int kNumbers3Entries = 133; // lines 1 to 133, three digits each
inline constexpr int kNumbers4Entries = 762; // lines 134 to 895, four digits each

struct BaseTables {
    QList<QByteArray> numbers3;
    QList<QByteArray> numbers4;
};

// The first line of quick.dat that cannot be used: absent, or not exactly the digits it must hold.
struct DataFault {
    QString path;
    int line; // counted from 1
    bool missing;
    int digits; // what the line must hold
    QByteArray content;

    bool operator==(const DataFault&) const = default;
};

// quick.dat unreadable, or a line of it unusable.
using TablesFailure = std::variant<core::FileFailure, DataFault>;

// Reads both tables whole; lines after the two tables are not looked at.
core::Result<BaseTables, TablesFailure> readBaseTables(const QDir& dataDir);

} // namespace quick
