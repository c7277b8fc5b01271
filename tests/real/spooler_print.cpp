// Prints a lottery's print file from a data folder on the printer in use (the one lotocard.ini in that
// folder names, else the system's default), through the program's own printer code, and writes every box
// the print run asked for to standard output, one line per box: the card (counted from 1) and the corners
// x1 y1 x2 y2 in twips from the printable area's top-left. A command given after the folder runs once the
// first card has been sent, to change the printer under a run. A run that fails ends with status 1 and
// the message the user would be shown on standard error.
#include "fakes.h"
#include "printing/print_prompts.h"
#include "printing/print_run.h"
#include "printing/system_printers.h"

#include <QApplication>
#include <QProcess>
#include <QTextStream>

namespace {

// Hands every box and end of card to the printer and keeps a copy of what was asked for; runs the
// command, if any, once the first card has been sent.
struct CopyingSurface final : seams::PrintSurface {
    CopyingSurface(std::unique_ptr<seams::PrintSurface> printer, fakes::RecordingSurface& copy,
        const QStringList& afterFirstCard)
        : printer(std::move(printer))
        , copy(copy)
        , afterFirstCard(afterFirstCard)
    { }
    seams::PrintStep box(float x1, float y1, float x2, float y2) override
    {
        // The copy only records; it fails only when told to, which it is not here.
        static_cast<void>(copy.box(x1, y1, x2, y2));
        return printer->box(x1, y1, x2, y2);
    }
    seams::PrintStep endCard() override
    {
        static_cast<void>(copy.endCard());
        seams::PrintStep ended = printer->endCard();
        if (ended.ok() && copy.ends == 1 && !afterFirstCard.isEmpty()
            && QProcess::execute(afterFirstCard.first(), afterFirstCard.mid(1)) != 0)
            ended = QStringLiteral("the command after the first card failed: ") + afterFirstCard.join(u' ');
        return ended;
    }

    std::unique_ptr<seams::PrintSurface> printer;
    fakes::RecordingSurface& copy;
    const QStringList& afterFirstCard;
};

// The system's printers, with a copy of every box a print run sends them.
struct CopyingPrinters final : seams::Printers {
    QStringList names() const override { return system.names(); }
    QString defaultName() const override { return system.defaultName(); }
    std::optional<seams::PrinterDescription> describe(const QString& name) const override
    {
        return system.describe(name);
    }
    std::unique_ptr<seams::PrintSurface> cards(const QString& name, const seams::Drawing& underlay) override
    {
        return std::make_unique<CopyingSurface>(system.cards(name, underlay), copy, afterFirstCard);
    }

    printing::SystemPrinters system;
    fakes::RecordingSurface copy;
    QStringList afterFirstCard;
};

std::optional<lotteries::Lottery> lotteryOf(const QString& printFile)
{
    for (const auto lottery : {lotteries::Lottery::Loto6, lotteries::Lottery::MiniLoto,
             lotteries::Lottery::Numbers4, lotteries::Lottery::Numbers3}) {
        if (printFile == QLatin1String(lotteries::rulesOf(lottery).printFile))
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
    const std::optional<lotteries::Lottery> lottery
        = arguments.size() >= 3 ? lotteryOf(arguments.at(1)) : std::nullopt;
    if (!lottery) {
        err << "usage: spooler_print loto6.txt|miniloto.txt|numbers4.txt|numbers3.txt DATA_FOLDER"
               " [COMMAND [ARGUMENT]...]\n";
        return 2;
    }

    CopyingPrinters printers;
    printers.afterFirstCard = arguments.mid(3);
    if (const auto printed
        = printing::printCards(lotteries::PrintFile(lotteries::rulesOf(*lottery), QDir(arguments.at(2))),
            QDir(arguments.at(2)), printers);
        !printed.ok()) {
        err << "the print run failed:\n"
            << printing::printFailurePrompt(printed.failure(), QStringLiteral("spooler_print")).text << '\n';
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
