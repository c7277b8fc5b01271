#include "lotteries/draw.h"

#include "core/shift_jis.h"

#include <QByteArray>
#include <algorithm>

namespace lotteries {

namespace {

// Draw numbers have at most six digits: room for every draw there will be, and a run of digits that
// long still fits an int.
constexpr int kDrawNumberDigits = 6;
constexpr int kHighestDrawNumber = 999999;
constexpr QStringView kKeptDateFormat = u"yyyy/MM/dd";

// Full-width digits, letters and signs as their ASCII ones, so that "０３" reads as 3 and
// "２０２３／１２／１１" as a date.
QString halfWidth(QStringView text)
{
    QString ascii = text.toString();
    for (QChar& c : ascii) {
        if (c >= QChar(0xFF01) && c <= QChar(0xFF5E))
            c = QChar(c.unicode() - 0xFEE0);
    }
    return ascii;
}

// The value of a run of digits, or -1 where it is longer than any draw number: too large for anything
// a draw holds, and perhaps for an int.
int valueOf(QStringView digits)
{
    return digits.size() > kDrawNumberDigits ? -1 : digits.toInt();
}

// The draw number a run of digits or a kept field gives, or why it gives none.
core::Result<int, QString> drawNumberOf(QStringView digits)
{
    const int number = valueOf(digits);
    if (number < 1)
        return QStringLiteral("回号 %1 は 1～%2 の範囲にありません。").arg(digits).arg(kHighestDrawNumber);
    return number;
}

// "ロト６は本数字 6 個とボーナス数字 1 個です", "ナンバーズ４は 4 けたです": what the count refusals add.
QString countText(const LotteryRules& rules)
{
    if (rules.form == EntryForm::NumberFields)
        return QStringLiteral("%1は本数字 %2 個とボーナス数字 1 個です")
            .arg(lotteryName(rules.lottery))
            .arg(rules.count);
    return QStringLiteral("%1は %2 けたです").arg(lotteryName(rules.lottery)).arg(rules.count);
}

QString tooFew(const LotteryRules& rules)
{
    return QStringLiteral("数字が足りません（%1）。").arg(countText(rules));
}

QString tooMany(const LotteryRules& rules)
{
    return QStringLiteral("数字が多すぎます（%1）。").arg(countText(rules));
}

// The LOTO numbers as written, the main numbers and then the bonus, put into the draw: each within the
// lottery's range, none twice.
core::Result<Draw, QString> withLotoNumbers(
    const LotteryRules& rules, Draw draw, const QList<QStringView>& written)
{
    for (const QStringView text : written) {
        const int number = valueOf(text);
        if (number < 1 || number > rules.highest)
            return QStringLiteral("%1 は 1～%2 の範囲にありません。").arg(text).arg(rules.highest);
        if (draw.numbers.contains(number)) {
            if (draw.numbers.size() < rules.count)
                return QStringLiteral("本数字の %1 が 2 回あります。").arg(number);
            return QStringLiteral("ボーナス数字の %1 が本数字にもあります。").arg(number);
        }
        draw.numbers.append(number);
    }
    draw.bonus = draw.numbers.takeLast();
    return draw;
}

Draw withDigits(Draw draw, QStringView digits)
{
    for (const QChar digit : digits)
        draw.numbers.append(digit.digitValue());
    return draw;
}

// The runs of digits in a draw's text, and what stands between them: any other character separates
// numbers, and only the 回 after a draw number and a date's separators carry meaning.
class Runs {
public:
    explicit Runs(QStringView text)
        : m_text(halfWidth(text))
    {
        for (qsizetype pos = 0; pos < m_text.size();) {
            if (!core::isAsciiDigit(m_text[pos])) {
                ++pos;
                continue;
            }
            const qsizetype begin = pos;
            while (pos < m_text.size() && core::isAsciiDigit(m_text[pos]))
                ++pos;
            m_runs.append({begin, pos});
        }
    }

    int size() const { return static_cast<int>(m_runs.size()); }
    QStringView digits(int run) const { return text(m_runs[run].begin, m_runs[run].end); }

    // Written 第N回: the 回 tells it, whether or not the 第 is there.
    bool isDrawNumber(int run) const { return run < size() && between(run + 1).startsWith(u'回'); }

    // 2023/12/11, 2023-12-11 or 2023年12月11日 from the run on, whether or not there is such a day.
    bool isDate(int run) const
    {
        if (run + 2 >= size() || digits(run).size() != 4 || digits(run + 1).size() > 2
            || digits(run + 2).size() > 2)
            return false;
        const QStringView first = between(run + 1);
        if (first == u"年")
            return between(run + 2) == u"月" && between(run + 3).startsWith(u'日');
        return (first == u"/" || first == u"-") && between(run + 2) == first;
    }

    // The date of isDate, or the refusal of a day there is not, named as it was written.
    core::Result<QDate, QString> date(int run) const
    {
        const QDate date(digits(run).toInt(), digits(run + 1).toInt(), digits(run + 2).toInt());
        if (date.isValid())
            return date;
        QString written = text(m_runs[run].begin, m_runs[run + 2].end).toString();
        if (between(run + 1) == u"年")
            written += u'日';
        return QStringLiteral("%1 という日付はありません。").arg(written);
    }

private:
    struct Run {
        qsizetype begin;
        qsizetype end;
    };

    QStringView text(qsizetype begin, qsizetype end) const
    {
        return QStringView(m_text).sliced(begin, end - begin);
    }

    // What stands before the run, blanks trimmed; for size() what follows the last run.
    QStringView between(int run) const
    {
        const qsizetype begin = run == 0 ? 0 : m_runs[run - 1].end;
        const qsizetype end = run == size() ? m_text.size() : m_runs[run].begin;
        return text(begin, end).trimmed();
    }

    QString m_text;
    QList<Run> m_runs;
};

enum class Reading {
    TypedDraw, // the whole text is the draw
    ResultLine, // a draw number first; whatever follows the draw's numbers is the table's, not the draw's
};

struct Head {
    Draw draw; // its number and date where they were written
    int next = 0; // the first run after them
};

// The draw number and the date in front of the numbers. A draw number is written 第N回, before or after
// the date; a plain number is one where a date follows it. A result line always starts with its draw
// number (or its date), so there a plain first number is the draw number too. A typed LOTO draw also
// takes a plain first number for one when the text holds exactly one number more than the draw, as
// nothing else could be meant. A typed Numbers draw never does: "6123 1234" may as well be eight digits
// typed by mistake, and a digit taken for a draw number would check the sets against another draw
// without a word; refused as too many digits, it is written again as the user meant it.
core::Result<Head, QString> readHead(const LotteryRules& rules, const Runs& runs, Reading reading)
{
    Head head;
    const bool plainFirst = reading == Reading::ResultLine
        || (rules.form == EntryForm::NumberFields && runs.size() == rules.count + 2);
    int drawNumber = -1; // its run
    if (runs.isDrawNumber(0) || runs.isDate(1) || (plainFirst && !runs.isDate(0)))
        drawNumber = head.next++;
    if (runs.isDate(head.next)) {
        const core::Result<QDate, QString> date = runs.date(head.next);
        if (!date.ok())
            return date.failure();
        head.draw.date = date.value();
        head.next += 3;
    }
    if (drawNumber < 0 && runs.isDrawNumber(head.next))
        drawNumber = head.next++;
    if (drawNumber >= 0) {
        const core::Result<int, QString> number = drawNumberOf(runs.digits(drawNumber));
        if (!number.ok())
            return number.failure();
        head.draw.number = number.value();
    }
    return head;
}

QString drawNumberAmongNumbers()
{
    return QStringLiteral("回号は数字より前に書いてください。");
}

core::Result<Draw, QString> readLotoNumbers(
    const LotteryRules& rules, const Runs& runs, const Head& head, Reading reading)
{
    const int end = head.next + rules.count + 1;
    if (end > runs.size())
        return tooFew(rules);
    if (reading == Reading::TypedDraw && end < runs.size())
        return tooMany(rules);
    QList<QStringView> written;
    for (int run = head.next; run < end; ++run) {
        if (runs.isDrawNumber(run))
            return drawNumberAmongNumbers();
        written.append(runs.digits(run));
    }
    return withLotoNumbers(rules, head.draw, written);
}

// Numbers' digits however they are grouped: "1234", "1 2 3 4", even "12 34".
core::Result<Draw, QString> readDigits(
    const LotteryRules& rules, const Runs& runs, const Head& head, Reading reading)
{
    QString digits;
    int run = head.next;
    for (; run < runs.size() && digits.size() < rules.count; ++run) {
        if (runs.isDrawNumber(run))
            return drawNumberAmongNumbers();
        digits += runs.digits(run);
    }
    if (digits.size() < rules.count)
        return tooFew(rules);
    if (digits.size() > rules.count || (reading == Reading::TypedDraw && run < runs.size()))
        return tooMany(rules);
    return withDigits(head.draw, digits);
}

core::Result<Draw, QString> readRuns(const LotteryRules& rules, const Runs& runs, Reading reading)
{
    const QString noNumbers = QStringLiteral("数字がありません。");
    if (runs.size() == 0)
        return noNumbers;
    const core::Result<Head, QString> head = readHead(rules, runs, reading);
    if (!head.ok())
        return head.failure();
    if (head.value().next == runs.size())
        return noNumbers;
    if (reading == Reading::ResultLine && head.value().draw.number == 0)
        return QStringLiteral("回号がありません（行の初めに回号が要ります）。");
    return rules.form == EntryForm::NumberFields ? readLotoNumbers(rules, runs, head.value(), reading)
                                                 : readDigits(rules, runs, head.value(), reading);
}

// A number of a kept line as drawFileLine writes it: decimal digits without a leading zero.
bool isKeptNumber(QStringView field)
{
    return !field.isEmpty() && field.front() != u'0'
        && std::all_of(field.begin(), field.end(), core::isAsciiDigit);
}

} // namespace

core::Result<Draw, QString> readDraw(Lottery lottery, QStringView text)
{
    return readRuns(rulesOf(lottery), Runs(text), Reading::TypedDraw);
}

core::Result<Draw, QString> readResultLine(Lottery lottery, QStringView line)
{
    return readRuns(rulesOf(lottery), Runs(line), Reading::ResultLine);
}

// LOTO keeps each number in a field of its own, then the bonus; Numbers keeps its digits as one field,
// as a results table lists them: "6300,2023/12/11,1234".
QByteArray drawFileLine(Lottery lottery, const Draw& draw)
{
    QByteArray line = QByteArray::number(draw.number) + ',' + draw.date.toString(kKeptDateFormat).toLatin1();
    if (rulesOf(lottery).form == EntryForm::NumberFields) {
        for (const int number : draw.numbers)
            line += ',' + QByteArray::number(number);
        line += ',' + QByteArray::number(draw.bonus);
    } else {
        line += ',';
        for (const int digit : draw.numbers)
            line += static_cast<char>('0' + digit);
    }
    return line;
}

// Only the form drawFileLine writes is read back: a line written by hand or damaged is refused whole
// rather than taken for some other draw.
core::Result<Draw, QString> readDrawFileLine(Lottery lottery, QByteArrayView line)
{
    const LotteryRules& rules = rulesOf(lottery);
    const bool loto = rules.form == EntryForm::NumberFields;
    const QString text = QString::fromUtf8(line);
    const QList<QStringView> fields = QStringView(text).split(u',');
    const qsizetype expected = loto ? 2 + rules.count + 1 : 3;
    if (fields.size() != expected)
        return QStringLiteral("項目が %1 個ではありません（%2 個あります）。")
            .arg(expected)
            .arg(fields.size());
    Draw draw;
    if (!isKeptNumber(fields[0]))
        return QStringLiteral("回号「%1」が正しくありません。").arg(fields[0]);
    const core::Result<int, QString> number = drawNumberOf(fields[0]);
    if (!number.ok())
        return number.failure();
    draw.number = number.value();
    if (!fields[1].isEmpty()) {
        draw.date = QDate::fromString(fields[1], kKeptDateFormat);
        if (draw.date.toString(kKeptDateFormat) != fields[1])
            return QStringLiteral("日付「%1」が正しくありません。").arg(fields[1]);
    }
    if (!loto) {
        const QStringView digits = fields[2];
        if (digits.size() != rules.count || !std::all_of(digits.begin(), digits.end(), core::isAsciiDigit))
            return QStringLiteral("数字「%1」が正しくありません（%2）。").arg(digits, countText(rules));
        return withDigits(draw, digits);
    }
    for (const QStringView field : fields.sliced(2)) {
        if (!isKeptNumber(field))
            return QStringLiteral("数字「%1」が正しくありません。").arg(field);
    }
    return withLotoNumbers(rules, draw, fields.sliced(2));
}

} // namespace lotteries
