#include "quick/generator.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <numeric>

namespace quick {

namespace {

// A LOTO draw: how many numbers, from 1 to what, and which sums pass.
struct DrawRule {
    int count;
    int highest;
    int summed; // numbers counted into the sum, in draw order
    int lowestSum;
    int highestSum;
    bool evenSum;
};

// The LOTO6 sum leaves out the sixth number; that is how the rule has always been.
constexpr DrawRule kMiniLoto {5, 31, 5, 60, 100, false};
constexpr DrawRule kLoto6 {6, 43, 5, 110, 165, true};
constexpr std::size_t kMostNumbers = 6;

QByteArray joined(std::initializer_list<char> characters)
{
    return QByteArray(characters.begin(), static_cast<qsizetype>(characters.size()));
}

QByteArray pick(const QList<QByteArray>& table, seams::RandomSource& random)
{
    return table.at(draw(random, static_cast<int>(table.size())) - 1);
}

bool allDistinct(const std::array<int, kMostNumbers>& numbers, int count)
{
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (numbers.at(i) == numbers.at(j))
                return false;
        }
    }
    return true;
}

QByteArray drawnLine(seams::RandomSource& random, const DrawRule& rule)
{
    std::array<int, kMostNumbers> numbers {};
    const auto first = numbers.begin();
    for (;;) {
        for (int i = 0; i < rule.count; ++i)
            numbers.at(i) = draw(random, rule.highest);
        if (!allDistinct(numbers, rule.count))
            continue;
        const int sum = std::accumulate(first, first + rule.summed, 0);
        if (sum < rule.lowestSum || sum > rule.highestSum || (rule.evenSum && sum % 2 != 0))
            continue;
        break;
    }
    for (int pass = rule.count - 1; pass >= 1; --pass) {
        for (int i = 0; i < pass; ++i) {
            if (numbers.at(i) > numbers.at(i + 1))
                std::swap(numbers.at(i), numbers.at(i + 1));
        }
    }
    QByteArray line;
    for (int i = 0; i < rule.count; ++i)
        line += ("00" + QByteArray::number(numbers.at(i))).right(2);
    return line;
}

} // namespace

int draw(seams::RandomSource& random, int n)
{
    return static_cast<int>(std::floor(static_cast<double>(random.next()) * n + 1.0));
}

bool isEvenDay(const QDate& date)
{
    return date.day() % 2 == 0;
}

QByteArray numbers3Line(
    const QList<QByteArray>& table, seams::RandomSource& random, bool evenDay, char playType)
{
    const QByteArray e = pick(table, random);
    const char c1 = e.at(0);
    const char c2 = e.at(1);
    const char c3 = e.back();
    return evenDay ? joined({c1, c3, c2, playType}) : joined({c3, c1, c2, playType});
}

QByteArray numbers4Line(
    const QList<QByteArray>& table, seams::RandomSource& random, bool evenDay, char playType)
{
    const QByteArray e = pick(table, random);
    const char c1 = e.at(0);
    const char c2 = e.at(1);
    const char c3 = e.at(2);
    const char c4 = e.back();
    return evenDay ? joined({c3, c1, c2, c4, playType}) : joined({c2, c1, c4, c3, playType});
}

QByteArray miniLotoLine(seams::RandomSource& random)
{
    return drawnLine(random, kMiniLoto);
}

QByteArray loto6Line(seams::RandomSource& random)
{
    return drawnLine(random, kLoto6);
}

} // namespace quick
