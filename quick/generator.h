// The four rules that make one predicted set, each with the print-file line it gives.
#pragma once

#include "seams/random_source.h"

#include <QByteArray>
#include <QDate>
#include <QList>

namespace quick {

// A whole number from 1 to n, uniform: the floor of r × n + 1, in double precision.
int draw(seams::RandomSource& random, int n);

// Day parity: the parity of the day of the month.
bool isEvenDay(const QDate& date);

// A candidate picked at random, its digits rearranged by the day parity, then the play type letter.
QByteArray numbers3Line(
    const QList<QByteArray>& table, seams::RandomSource& random, bool evenDay, char playType);
QByteArray numbers4Line(
    const QList<QByteArray>& table, seams::RandomSource& random, bool evenDay, char playType);

// Distinct numbers drawn until their sum lies in range, then sorted and written two digits each.
QByteArray miniLotoLine(seams::RandomSource& random);
QByteArray loto6Line(seams::RandomSource& random);

} // namespace quick
