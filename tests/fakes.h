// Stand-ins for the seams: they record what the program asked for and answer as scripted.
#pragma once

#include "app/system_info.h"
#include "seams/clock.h"
#include "seams/launcher.h"
#include "seams/print_surface.h"
#include "seams/printers.h"
#include "seams/random_source.h"
#include "ui/prompter.h"

#include <QList>
#include <QMap>
#include <limits>
#include <map>
#include <ostream>

namespace ui {
inline void PrintTo(const Prompt& prompt, std::ostream* os)
{
    *os << "{" << prompt.title.toStdString() << " | " << prompt.text.toStdString() << "}";
}
} // namespace ui

namespace fakes {

struct RecordingLauncher final : seams::Launcher {
    bool startDetached(
        const QString& program, const QStringList& arguments, const QString& workingDirectory) override
    {
        started.append(QStringList {program} + arguments + QStringList {workingDirectory});
        return succeeds;
    }
    bool openWithDefaultHandler(const QUrl& url) override
    {
        opened.append(url);
        return succeeds;
    }
    QString findProgram(const QString& nameOrPath) const override { return installed.value(nameOrPath); }

    bool succeeds = true;
    QMap<QString, QString> installed; // name or path asked for, full path found
    QList<QStringList> started;
    QList<QUrl> opened;
};

// Registry values by key and value name.
struct MapRegistry final : seams::Registry {
    std::optional<Value> read(const QString& key, const QString& valueName) const override
    {
        const auto found = values.find({key, valueName});
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }

    std::map<std::pair<QString, QString>, Value> values;
};

// Answers Yes/No questions from a script (Yes when the script is empty) and OK boxes with OK.
struct ScriptedPrompter final : ui::Prompter {
    ui::PromptAnswer ask(QWidget*, const ui::Prompt& prompt) override
    {
        asked.append(prompt);
        if (prompt.buttons == ui::PromptButtons::Ok)
            return ui::PromptAnswer::Ok;
        return answers.isEmpty() ? ui::PromptAnswer::Yes : answers.takeFirst();
    }

    QList<ui::PromptAnswer> answers;
    QList<ui::Prompt> asked;
};

// Keeps every box and every end of card, in order; fails from a chosen card on when told to.
struct RecordingSurface final : seams::PrintSurface {
    struct Box {
        float x1, y1, x2, y2;
        bool operator==(const Box&) const = default;
    };

    seams::PrintStep box(float x1, float y1, float x2, float y2) override
    {
        if (cards.isEmpty() || cardEnded) {
            if (cards.size() + 1 >= failBeginAt)
                return QStringLiteral("no sheet");
            cards.append(QList<Box>());
            cardEnded = false;
        }
        cards.last().append({x1, y1, x2, y2});
        return {};
    }
    seams::PrintStep endCard() override
    {
        ++ends;
        cardEnded = true;
        if (ends >= failEndAt)
            return QStringLiteral("job lost");
        return {};
    }

    QList<QList<Box>> cards; // the boxes of each card begun
    int ends = 0;
    bool cardEnded = false;
    qsizetype failBeginAt = std::numeric_limits<qsizetype>::max(); // card, counted from 1
    int failEndAt = std::numeric_limits<int>::max();
};

// The system's printers as a list; every print run's cards go to the one recording surface, and the
// printer each run was for is kept ("" for the system's default).
struct ListedPrinters final : seams::Printers {
    explicit ListedPrinters(RecordingSurface& surface)
        : surface(surface)
    { }

    QStringList names() const override
    {
        QStringList names;
        for (const seams::PrinterDescription& printer : printers)
            names.append(printer.name);
        return names;
    }
    QString defaultName() const override { return defaultPrinter; }
    std::optional<seams::PrinterDescription> describe(const QString& name) const override
    {
        for (const seams::PrinterDescription& printer : printers) {
            if (printer.name == name)
                return printer;
        }
        return std::nullopt;
    }
    std::unique_ptr<seams::PrintSurface> cards(const QString& name, const seams::Drawing& underlay) override
    {
        runs.append(name);
        underlays.append(underlay);
        return std::make_unique<Forwarding>(surface);
    }

    struct Forwarding final : seams::PrintSurface {
        explicit Forwarding(RecordingSurface& to)
            : to(to)
        { }
        seams::PrintStep box(float x1, float y1, float x2, float y2) override
        {
            return to.box(x1, y1, x2, y2);
        }
        seams::PrintStep endCard() override { return to.endCard(); }
        RecordingSurface& to;
    };

    RecordingSurface& surface;
    QList<seams::PrinterDescription> printers;
    QString defaultPrinter;
    QStringList runs;
    QList<seams::Drawing> underlays;
};

// Hands out the scripted values in turn, then an endless fixed sequence; reseeding changes nothing.
struct ScriptedRandom final : seams::RandomSource {
    void reseed() override { ++reseeds; }
    float next() override
    {
        ++taken;
        if (!values.isEmpty())
            return values.takeFirst();
        return static_cast<float>(engine() >> 8) / static_cast<float>(1U << 24);
    }

    // The value that makes draw(n) give number.
    static float drawing(int number, int n)
    {
        return (static_cast<float>(number) - 0.5F) / static_cast<float>(n);
    }

    QList<float> values;
    std::mt19937 engine {20261207};
    int taken = 0;
    int reseeds = 0;
};

struct FixedClock final : seams::Clock {
    QDate today() const override { return date; }
    QDate date {2026, 12, 6};
};

inline void PrintTo(const RecordingSurface::Box& box, std::ostream* os)
{
    *os << "(" << box.x1 << ", " << box.y1 << ")-(" << box.x2 << ", " << box.y2 << ")";
}

} // namespace fakes
