#include "printing/printer_setup.h"

#include "printing/printer_messages.h"

namespace printing {

namespace {

// Millimetres to a tenth, without a trailing ".0".
QString millimetres(double value)
{
    QString text = QString::number(value, 'f', 1);
    if (text.endsWith(u".0"))
        text.chop(2);
    return text == u"-0" ? QStringLiteral("0") : text;
}

QString stateText(seams::PrinterState state)
{
    switch (state) {
    case seams::PrinterState::Unknown:
        break;
    case seams::PrinterState::Idle:
        return QStringLiteral("待機中");
    case seams::PrinterState::Printing:
        return QStringLiteral("印刷中");
    case seams::PrinterState::Stopped:
        return QStringLiteral("停止中");
    }
    return {};
}

} // namespace

QList<PrinterEntry> printerEntries(const QStringList& names, const QString& chosen)
{
    QList<PrinterEntry> entries {{QString(), QStringLiteral("通常使うプリンタ（システムの設定に従う）")}};
    for (const QString& name : names)
        entries.append({name, name});
    if (!chosen.isEmpty() && !names.contains(chosen))
        entries.append({chosen, QStringLiteral("%1（見つかりません）").arg(chosen)});
    return entries;
}

QStringList printerDetails(const QString& name, const seams::Printers& printers)
{
    const QString printer = printers.named(name);
    if (printer.isEmpty())
        return {noDefaultPrinterReason()};
    const std::optional<seams::PrinterDescription> found = printers.describe(printer);
    if (!found)
        return {printerNotFoundReason(printer)};
    const seams::PrinterDescription& d = *found;
    QStringList lines {name.isEmpty() ? QStringLiteral("プリンタ: %1（通常使うプリンタ）").arg(d.name)
                                      : QStringLiteral("プリンタ: %1").arg(d.name),
        QStringLiteral("用紙: %1（%2 × %3 mm）")
            .arg(d.paper, millimetres(d.paperMillimetres.width()), millimetres(d.paperMillimetres.height())),
        QStringLiteral("印刷できる範囲の余白: 左 %1 mm、上 %2 mm、右 %3 mm、下 %4 mm")
            .arg(millimetres(d.marginsMillimetres.left()), millimetres(d.marginsMillimetres.top()),
                millimetres(d.marginsMillimetres.right()), millimetres(d.marginsMillimetres.bottom()))};
    if (const QString state = stateText(d.state); !state.isEmpty())
        lines.append(QStringLiteral("状態: %1").arg(state));
    return lines;
}

} // namespace printing
