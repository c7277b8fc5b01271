// What the program says about a printer that cannot be used, in the same words wherever it comes up:
// the print run, the print setup and the printer itself.
#pragma once

#include <QString>

namespace printing {

// Why there is nothing to print on when no printer is chosen and the system has no default.
inline QString noDefaultPrinterReason()
{
    return QStringLiteral("通常使うプリンタが設定されていません。");
}

inline QString printerNotFoundReason(const QString& name)
{
    return QStringLiteral("プリンタ「%1」が見つかりません。").arg(name);
}

} // namespace printing
