#include "tickets/entry.h"

#include "core/shift_jis.h"
#include "lotteries/line_fields.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>

namespace tickets {

namespace {

constexpr int kSequenceWidth = 3;
constexpr QStringView kPlayTypes = u"ABC";

bool isNumberField(QStringView field, int highest)
{
    if (field.size() != 2 || !core::isAsciiDigit(field[0]) || !core::isAsciiDigit(field[1]))
        return false;
    const int number = field[0].digitValue() * 10 + field[1].digitValue();
    return number >= 1 && number <= highest;
}

std::optional<QByteArray> acceptNumberFields(const lotteries::LotteryRules& rules, const QString& entry)
{
    for (qsizetype pos = 0; pos < entry.size(); pos += 2) {
        if (!isNumberField(QStringView(entry).sliced(pos, 2), rules.highest))
            return std::nullopt;
    }
    return entry.toLatin1();
}

std::optional<QByteArray> acceptDigitsAndPlayType(const lotteries::LotteryRules& rules, const QString& entry)
{
    for (int i = 0; i < rules.count; ++i) {
        if (!core::isAsciiDigit(entry[i]))
            return std::nullopt;
    }
    const QChar playType = entry.back().toUpper();
    if (!kPlayTypes.contains(playType))
        return std::nullopt;
    return (entry.first(rules.count) + playType).toLatin1();
}

// A list line is put together here and becomes a string with one allocation: the list makes one for
// each line it draws, every time it draws it.
class ListText {
public:
    void put(QChar c) { m_chars.append(c); }
    void put(QStringView piece) { m_chars.append(piece.data(), piece.size()); }
    void put(QLatin1StringView piece)
    {
        for (const char c : piece)
            m_chars.append(QLatin1Char(c));
    }

    // The sequence number right-aligned in three places; from 1000 on only its last three digits
    // show, as the list has always shown them.
    void putSequence(int sequence)
    {
        std::array<QChar, kSequenceWidth> places {};
        int rest = sequence;
        for (auto place = places.rbegin(); place != places.rend(); ++place) {
            const bool digit = rest > 0 || place == places.rbegin();
            *place = digit ? QChar(u'0' + rest % 10) : QChar(u' ');
            rest /= 10;
        }
        m_chars.append(places.data(), kSequenceWidth);
    }

    QString text() const { return QString(m_chars.constData(), m_chars.size()); }

private:
    static constexpr int kLongest = 32; // LOTO6: 3 + 2 + 17 characters
    QVarLengthArray<QChar, kLongest> m_chars;
};

// Lines the program wrote are ASCII and are cut as bytes; any other line is cut after decoding.
template <typename View> QString listLineOf(const lotteries::LotteryRules& rules, int sequence, View line)
{
    ListText text;
    text.putSequence(sequence);
    text.put(QLatin1StringView("  "));
    // Numbers show the play type after a point, every other field after a dash.
    const bool digits = rules.form == lotteries::EntryForm::DigitsAndPlayType;
    lotteries::forEachField(rules, line, [&](int index, View field) {
        if (index > 0)
            text.put(digits && index == rules.count ? u'.' : u'-');
        text.put(field);
    });
    return text.text();
}

} // namespace

std::optional<QByteArray> acceptEntry(const lotteries::LotteryRules& rules, const QString& entry)
{
    if (entry.size() != lotteries::entryLength(rules))
        return std::nullopt;
    return rules.form == lotteries::EntryForm::NumberFields ? acceptNumberFields(rules, entry)
                                                            : acceptDigitsAndPlayType(rules, entry);
}

QString listLine(const lotteries::LotteryRules& rules, int sequence, const QString& line)
{
    return listLineOf(rules, sequence, QStringView(line));
}

QString listLine(
    const lotteries::LotteryRules& rules, int sequence, QByteArrayView line, core::ShiftJisDecoder& decode)
{
    return core::isAscii(line) ? listLineOf(rules, sequence, QLatin1StringView(line))
                               : listLine(rules, sequence, decode(line));
}

QString setText(const lotteries::LotteryRules& rules, QByteArrayView line, core::ShiftJisDecoder& decode)
{
    // The sequence number and the two blanks after it.
    return listLine(rules, 0, line, decode).mid(kSequenceWidth + 2);
}

} // namespace tickets
