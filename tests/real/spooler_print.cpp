// Prints a lottery's print file from a data folder on the printer in use (the one lotocard.ini in that
// folder names, else the system's default), through the program's own printer code, and writes every box
// the print run asked for to standard output, one line per box: the card (counted from 1) and the corners
// x1 y1 x2 y2 in twips from the printable area's top-left.
#include "cards/print_run.h"
#include "cards/system_printers.h"
#include "fakes.h"

#include <QApplication>
#include <QTextStream>

namespace {

// Hands every box and end of card to the printer and keeps a copy of what was asked for.
struct CopyingSurface final : cards::PrintSurface {
    CopyingSurface(std::unique_ptr<cards::PrintSurface> printer, fakes::RecordingSurface& copy)
        : printer(std::move(printer))
        , copy(copy)
    { }
    std::optional<QString> box(float x1, float y1, float x2, float y2) override
    {
        copy.box(x1, y1, x2, y2);
        return printer->box(x1, y1, x2, y2);
    }
    std::optional<QString> endCard() override
    {
        copy.endCard();
        return printer->endCard();
    }

    std::unique_ptr<cards::PrintSurface> printer;
    fakes::RecordingSurface& copy;
};

// The system's printers, with a copy of every box a print run sends them.
struct CopyingPrinters final : cards::Printers {
    QStringList names() const override { return system.names(); }
    QString defaultName() const override { return system.defaultName(); }
    std::optional<cards::PrinterDescription> describe(const QString& name) const override
    {
        return system.describe(name);
    }
    std::unique_ptr<cards::PrintSurface> cards(const QString& name, const cards::Drawing& underlay) override
    {
        return std::make_unique<CopyingSurface>(system.cards(name, underlay), copy);
    }

    cards::SystemPrinters system;
    fakes::RecordingSurface copy;
};

std::optional<tickets::Lottery> lotteryOf(const QString& printFile)
{
    for (const auto lottery : {tickets::Lottery::Loto6, tickets::Lottery::MiniLoto,
             tickets::Lottery::Numbers4, tickets::Lottery::Numbers3}) {
        if (printFile == QLatin1String(tickets::rulesOf(lottery).printFile))
            return lottery;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QApplication::arguments();
    const std::optional<tickets::Lottery> lottery
        = arguments.size() == 3 ? lotteryOf(arguments.at(1)) : std::nullopt;
    if (!lottery) {
        err << "usage: spooler_print loto6.txt|miniloto.txt|numbers4.txt|numbers3.txt DATA_FOLDER\n";
        return 2;
    }

    CopyingPrinters printers;
    if (const auto failure = cards::printCards(*lottery, QDir(arguments.at(2)), printers)) {
        const auto* fault = std::get_if<cards::SurfaceFault>(&*failure);
        const auto* missing = std::get_if<cards::MissingPrinter>(&*failure);
        err << "the print run failed"
            << (fault            ? QStringLiteral(": ") + fault->reason
                       : missing ? QStringLiteral(": no printer ") + missing->name
                                 : QString())
            << '\n';
        return 1;
    }
    QTextStream out(stdout);
    out.setRealNumberPrecision(9); // every digit a float holds
    for (qsizetype card = 0; card < printers.copy.cards.size(); ++card) {
        for (const fakes::RecordingSurface::Box& box : printers.copy.cards.at(card))
            out << card + 1 << ' ' << box.x1 << ' ' << box.y1 << ' ' << box.x2 << ' ' << box.y2 << '\n';
    }
    return 0;
}
