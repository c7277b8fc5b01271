// A lottery's draw: the numbers drawn, as the user types them or a results table lists them, and what a
// set wins against them.
#pragma once

#include "core/result.h"
#include "lotteries/lottery.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

namespace lotteries {

struct Draw {
    int number = 0; // the draw number (回号); 0 when none was given
    QDate date; // null when none was given
    // LOTO: the main numbers in the order given; Numbers: the digits in order.
    QList<int> numbers;
    int bonus = 0; // LOTO's bonus number; 0 for Numbers

    bool operator==(const Draw&) const = default;
};

// A typed draw: the numbers in any way a person writes them, any non-digit characters separating them
// (full-width digits count as digits), optionally after a draw number (plain or 第N回) and a date
// (2023/12/11, 2023-12-11, 2023年12月11日). LOTO: the main numbers, then the bonus. Numbers: the digits,
// together ("1234") or apart ("1 2 3 4"). A refusal says why, in the words the message shows: a number
// out of range, a number twice, too few or too many numbers.
core::Result<Draw, QString> readDraw(Lottery lottery, QStringView text);

// A line of a results table: a draw number, a date, then the numbers as readDraw takes them; whatever
// follows the last number the lottery draws is left alone (prize columns). A refusal says why.
core::Result<Draw, QString> readResultLine(Lottery lottery, QStringView line);

// The line a kept draw is written as, without its line end: draw number, date (yyyy/MM/dd, empty when
// none), the numbers, the bonus (LOTO only), separated by commas: "1850,2023/12/11,3,7,15,22,31,40,12".
QByteArray drawFileLine(Lottery lottery, const Draw& draw);
// The draw a kept line holds; a refusal says why.
core::Result<Draw, QString> readDrawFileLine(Lottery lottery, QByteArrayView line);

} // namespace lotteries
