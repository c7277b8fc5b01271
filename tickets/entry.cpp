#include "tickets/entry.h"

#include <algorithm>
#include <array>

namespace tickets {

namespace {

constexpr int kSequenceWidth = 3;
constexpr QStringView kPlayTypes = u"ABC";

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isNumberField(QStringView field, int highest)
{
    if (field.size() != 2 || !isAsciiDigit(field[0]) || !isAsciiDigit(field[1]))
        return false;
    const int number = field[0].digitValue() * 10 + field[1].digitValue();
    return number >= 1 && number <= highest;
}

std::optional<QByteArray> acceptNumberFields(const LotteryRules& rules, const QString& entry)
{
    for (qsizetype pos = 0; pos < entry.size(); pos += 2) {
        if (!isNumberField(QStringView(entry).sliced(pos, 2), rules.highest))
            return std::nullopt;
    }
    return entry.toLatin1();
}

std::optional<QByteArray> acceptDigitsAndPlayType(const LotteryRules& rules, const QString& entry)
{
    for (int i = 0; i < rules.count; ++i) {
        if (!isAsciiDigit(entry[i]))
            return std::nullopt;
    }
    const QChar playType = entry.back().toUpper();
    if (!kPlayTypes.contains(playType))
        return std::nullopt;
    return (entry.first(rules.count) + playType).toLatin1();
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The sequence number right-aligned in three places; from 1000 on only its last three digits show, as
// the list has always shown them.
void appendSequence(QString& text, int sequence)
{
    std::array<QChar, kSequenceWidth> places {};
    int rest = sequence;
    for (auto place = places.rbegin(); place != places.rend(); ++place) {
        const bool digit = rest > 0 || place == places.rbegin();
        *place = digit ? QChar(u'0' + rest % 10) : QChar(u' ');
        rest /= 10;
    }
    text.append(places.data(), kSequenceWidth);
}

} // namespace

std::optional<QByteArray> acceptEntry(const LotteryRules& rules, const QString& entry)
{
    if (entry.size() != entryLength(rules))
        return std::nullopt;
    return rules.form == EntryForm::NumberFields ? acceptNumberFields(rules, entry)
                                                 : acceptDigitsAndPlayType(rules, entry);
}

QString listLine(const LotteryRules& rules, int sequence, const QString& line)
{
    // Built in place: the list of a long print file is made of these, one per line.
    const QStringView view(line);
    QString text;
    text.reserve(kSequenceWidth + 2 + 3 * rules.count + 2);
    appendSequence(text, sequence);
    text.append(QLatin1StringView("  "));
    if (rules.form == EntryForm::NumberFields) {
        text.append(view.left(2));
        for (int field = 2; field < rules.count; ++field)
            text.append(u'-').append(view.mid(2 * field - 2, 2));
        text.append(u'-').append(view.right(2));
    } else {
        for (int digit = 0; digit < rules.count; ++digit) {
            if (digit > 0)
                text.append(u'-');
            text.append(view.mid(digit, 1));
        }
        text.append(u'.').append(view.right(1));
    }
    return text;
}

QString LineDecoder::operator()(const QByteArray& line)
{
    if (!m_decoder.isValid() || isAscii(line))
        return QString::fromLatin1(line);
    return m_decoder.decode(line);
}

QStringList listLines(const LotteryRules& rules, const QList<QByteArray>& lines)
{
    LineDecoder decode;
    QStringList list;
    list.reserve(lines.size());
    int sequence = 0;
    for (const QByteArray& line : lines)
        list.append(listLine(rules, ++sequence, decode(line)));
    return list;
}

} // namespace tickets
