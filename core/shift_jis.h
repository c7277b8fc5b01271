// Text of the files the program did not write: the Shift_JIS code page (Windows' code page 932), in
// which people have always kept and edited these files.
#pragma once

#include "core/result.h"

#include <QByteArrayView>
#include <QString>
#ifndef Q_OS_WIN
#include <QStringDecoder>
#endif

namespace core {

// The digits 0 to 9 as ASCII writes them; full-width digits and other scripts' digits are not.
inline bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// True when every byte is ASCII, which reads the same in Shift_JIS and is all the program itself writes.
bool isAscii(QByteArrayView bytes);

// Decodes one line at a time, the same on every system; ASCII is taken as it stands. Half a character at the
// end is dropped, so a line ending in one cannot swallow the next line's first byte. A byte that begins no
// character reads as U+001A and the byte after it starts afresh; a well-formed pair that stands for no
// character reads as U+FFFD.
class ShiftJisDecoder {
public:
    QString operator()(QByteArrayView bytes);

private:
    QString decoded(QByteArrayView bytes);
    // A lead byte and a trail byte, as the system's table reads them.
    QChar doubleByte(QByteArrayView pair);

#ifndef Q_OS_WIN
    // Qt's converter; stateless, so that each pair is read on its own.
    QStringDecoder m_decoder {"Shift_JIS", QStringConverter::Flag::Stateless};
#endif
};

// A text file a user brings in (a results table, a list of sets): UTF-8 when its bytes are UTF-8, a
// byte-order mark left off; else Shift_JIS, the two encodings such files come in.
QString textOf(QByteArrayView bytes);

// The biggest text file a user may bring in: far more lines than any list of sets or results table.
inline constexpr qint64 kLargestTextFile = qint64 {64} * 1024 * 1024;

// A text file a user brings in, as textOf reads it. A file larger than kLargestTextFile, or one holding a
// zero byte (a picture, a spreadsheet's own format), is refused as a failure of that file.
Result<QString> readTextFile(const QString& path);

} // namespace core
