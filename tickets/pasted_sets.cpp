#include "tickets/pasted_sets.h"

#include "core/result.h"
#include "tickets/entry.h"

#include <QVarLengthArray>
#include <array>

namespace tickets {

namespace {

using lotteries::EntryForm;
using lotteries::LotteryRules;
using Stored = core::Result<QByteArray, QString>; // the print-file line, or why there is none

// The list shows a set's place in three characters, from 1000 on only the last three digits.
constexpr qsizetype kPlaceDigits = 3;
constexpr QStringView kPlayTypes = u"ABC";

struct PlayTypeName {
    QStringView name;
    QChar letter;
};

constexpr std::array kPlayTypeNames {
    PlayTypeName {u"ストレート", u'A'},
    PlayTypeName {u"ボックス", u'B'},
    PlayTypeName {u"セット", u'C'},
};

// The digit a character stands for, full-width digits too; -1 for any other character. Pasted text is
// read in place, without a half-width copy of each line, as a paste may hold many thousands of lines.
int digitOf(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'０' && c <= u'９')
        return c.unicode() - u'０';
    return -1;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'　';
}

QChar halfWidth(QChar c)
{
    return c >= QChar(0xFF01) && c <= QChar(0xFF5E) ? QChar(c.unicode() - 0xFEE0) : c;
}

struct Run {
    qsizetype begin;
    qsizetype end;

    qsizetype size() const { return end - begin; }
};

// Room for a set's numbers and its place: a line with more is refused anyway, so the runs of a line are
// kept without allocating.
using Runs = QVarLengthArray<Run, 8>;

Runs runsOf(QStringView line)
{
    Runs runs;
    for (qsizetype pos = 0; pos < line.size();) {
        if (digitOf(line[pos]) < 0) {
            ++pos;
            continue;
        }
        const qsizetype begin = pos;
        while (pos < line.size() && digitOf(line[pos]) >= 0)
            ++pos;
        runs.append({begin, pos});
    }
    return runs;
}

void appendDigits(QString& entry, QStringView digits)
{
    for (const QChar c : digits)
        entry += QChar(u'0' + digitOf(c));
}

// The value of a LOTO number; -1 for more than two digits, beyond every lottery's numbers (and perhaps
// beyond an int).
int valueOf(QStringView digits)
{
    if (digits.size() > 2)
        return -1;
    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + digitOf(c);
    return value;
}

QString asciiDigits(QStringView digits)
{
    QString ascii;
    appendDigits(ascii, digits);
    return ascii;
}

// A line copied from a card window's list begins with the set's place, right-aligned in three
// characters and followed by two blanks: "  1  01-15-22-30-41-43", "000  1-2-3-4.A". Sets typed by
// hand are hardly ever written that way, so a first number of at most three digits followed by two
// blanks is taken for a place. The callers take it only where what follows it is exactly one set, so
// that a line with one number too many ("1 15 22 30 41 43 7") is refused rather than stored without
// one of its numbers.
bool startsWithPlace(QStringView line, const Runs& runs)
{
    const Run& first = runs.front();
    return runs.size() > 1 && first.begin == 0 && first.size() <= kPlaceDigits && first.end + 1 < line.size()
        && isBlank(line[first.end]) && isBlank(line[first.end + 1]);
}

// Whether what follows the first run is written as the list writes a set: fields of fieldDigits digits,
// a dash between each two ("01-15-22", "1-2-3"). A line copied from the list loses its place whatever it
// holds, so that a set missing a number is refused rather than read with its place as a number.
bool inListForm(QStringView line, const Runs& runs, qsizetype fieldDigits)
{
    for (qsizetype run = 1; run < runs.size(); ++run) {
        if (runs[run].size() != fieldDigits)
            return false;
        if (run > 1 && (runs[run].begin != runs[run - 1].end + 1 || line[runs[run - 1].end] != u'-'))
            return false;
    }
    return true;
}

QString noDigits()
{
    return QStringLiteral("数字がありません。");
}

// "ロト６は数字 6 個、続けて書くときは 12 けたです", "ナンバーズ４は 4 けたです": what the count
// refusals add.
QString countText(const LotteryRules& rules)
{
    const QString name = lotteries::lotteryName(rules.lottery);
    if (rules.form == EntryForm::NumberFields)
        return QStringLiteral("%1は数字 %2 個、続けて書くときは %3 けたです")
            .arg(name)
            .arg(rules.count)
            .arg(lotteries::entryLength(rules));
    return QStringLiteral("%1は %2 けたです").arg(name).arg(rules.count);
}

// Nothing when the count is the lottery's, else the refusal.
std::optional<QString> countRefusal(const LotteryRules& rules, qsizetype count, qsizetype expected)
{
    if (count < expected)
        return QStringLiteral("数字が足りません（%1）。").arg(countText(rules));
    if (count > expected)
        return QStringLiteral("数字が多すぎます（%1）。").arg(countText(rules));
    return std::nullopt;
}

// What the entry box stores for the entry; an entry it refuses for a reason not told above gets the
// general refusal, so that nothing is stored that could not have been typed.
Stored storedEntry(const LotteryRules& rules, const QString& entry)
{
    std::optional<QByteArray> line = acceptEntry(rules, entry);
    if (!line)
        return QStringLiteral("登録できない番号です。");
    return *std::move(line);
}

// LOTO. A line that is one run of more than two digits is the print file's own form, cut into pairs (a
// run of another length than 2N is that form mistyped, and counted by its digits); otherwise each run is
// one number, "1" standing for 01.
Stored readNumberFields(const LotteryRules& rules, QStringView line)
{
    const Runs runs = runsOf(line);
    if (runs.isEmpty())
        return noDigits();
    QVarLengthArray<QStringView, 8> numbers;
    if (runs.size() == 1 && runs.front().size() > 2) {
        const QStringView digits = line.sliced(runs.front().begin, runs.front().size());
        if (const std::optional<QString> refusal
            = countRefusal(rules, digits.size(), lotteries::entryLength(rules)))
            return *refusal;
        for (qsizetype pos = 0; pos < digits.size(); pos += 2)
            numbers.append(digits.sliced(pos, 2));
    } else {
        const bool place
            = startsWithPlace(line, runs) && (runs.size() == rules.count + 1 || inListForm(line, runs, 2));
        const qsizetype first = place ? 1 : 0;
        if (const std::optional<QString> refusal = countRefusal(rules, runs.size() - first, rules.count))
            return *refusal;
        for (qsizetype run = first; run < runs.size(); ++run)
            numbers.append(line.sliced(runs[run].begin, runs[run].size()));
    }
    QString entry;
    for (const QStringView number : numbers) {
        const int value = valueOf(number);
        if (value < 1 || value > rules.highest)
            return QStringLiteral("%1 は 01～%2 の範囲にありません。")
                .arg(asciiDigits(number))
                .arg(rules.highest);
        if (number.size() == 1)
            entry += u'0';
        appendDigits(entry, number);
    }
    return storedEntry(rules, entry);
}

// The play type written after the digits: the letter, full-width or not, in either case, or its name.
// What stands around it (".", blanks, brackets) is not part of it.
core::Result<QChar, QString> playTypeOf(QStringView after)
{
    qsizetype begin = 0;
    qsizetype end = after.size();
    while (begin < end && !after[begin].isLetter())
        ++begin;
    while (end > begin && !after[end - 1].isLetter())
        --end;
    const QStringView written = after.sliced(begin, end - begin);
    if (written.isEmpty())
        return QStringLiteral("申込タイプがありません（数字の後に A、B、C のどれかを書いてください）。");
    if (written.size() == 1) {
        const QChar letter = halfWidth(written.front()).toUpper();
        if (kPlayTypes.contains(letter))
            return letter;
    }
    for (const PlayTypeName& playType : kPlayTypeNames) {
        if (written == playType.name)
            return playType.letter;
    }
    return QStringLiteral("「%1」は申込タイプではありません（A、B、C のどれかです）。").arg(written);
}

// Numbers: the digits however they are grouped ("1234", "1-2-3-4", "12 34"), then the play type.
Stored readDigitsAndPlayType(const LotteryRules& rules, QStringView line)
{
    const Runs runs = runsOf(line);
    if (runs.isEmpty())
        return noDigits();
    qsizetype digits = 0;
    for (const Run& run : runs)
        digits += run.size();
    const bool place = startsWithPlace(line, runs)
        && (digits - runs.front().size() == rules.count || inListForm(line, runs, 1));
    const qsizetype first = place ? 1 : 0;
    if (place)
        digits -= runs.front().size();
    if (const std::optional<QString> refusal = countRefusal(rules, digits, rules.count))
        return *refusal;
    const core::Result<QChar, QString> playType = playTypeOf(line.sliced(runs.back().end));
    if (!playType.ok())
        return playType.failure();
    QString entry;
    for (qsizetype run = first; run < runs.size(); ++run)
        appendDigits(entry, line.sliced(runs[run].begin, runs[run].size()));
    entry += playType.value();
    return storedEntry(rules, entry);
}

} // namespace

QList<PastedLine> readPastedSets(const lotteries::LotteryRules& rules, QStringView text)
{
    const auto read = rules.form == EntryForm::NumberFields ? readNumberFields : readDigitsAndPlayType;
    QList<PastedLine> lines;
    qsizetype number = 0;
    for (qsizetype pos = 0; pos < text.size();) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        ++number;
        const QStringView line = text.sliced(pos, end - pos).trimmed();
        // CR LF, LF or CR: whichever ends the line ends it once.
        pos = end + (text.sliced(end).startsWith(u"\r\n") ? 2 : 1);
        if (line.isEmpty())
            continue;
        const Stored stored = read(rules, line);
        if (stored.ok())
            lines.append({number, line.toString(), stored.value(), {}});
        else
            lines.append({number, line.toString(), std::nullopt, stored.failure()});
    }
    return lines;
}

} // namespace tickets
