#include "core/shift_jis.h"

#include "core/line_file.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace core {

// The bytes are cut into characters here, the same on every system, and only a pair of a lead and a
// trail byte is handed to the system's own table: Windows' code page 932, elsewhere Qt's converter. Qt's
// converter, left to a whole line, swaps the control bytes 0x1A, 0x1C and 0x7F among themselves (its table
// keeps 0x7F for its substitute), where code page 932 keeps them as they are.
namespace {

constexpr char16_t kNoCharacter = 0x1A;
constexpr char16_t kUnknownCharacter = 0xFFFD;

bool isLeadByte(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(uchar byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

QChar singleByte(uchar byte)
{
    if (byte < 0x80)
        return QChar(byte);
    // Half-width katakana.
    if (byte >= 0xA1 && byte <= 0xDF)
        return QChar(char16_t(0xFF61 + (byte - 0xA1)));
    return QChar(kNoCharacter);
}

} // namespace

QChar ShiftJisDecoder::doubleByte(QByteArrayView pair)
{
#ifdef Q_OS_WIN
    wchar_t character[2] = {};
    const int count = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair.data(), 2, character, 2);
    return count == 1 ? QChar(char16_t(character[0])) : QChar(kUnknownCharacter);
#else
    if (!m_decoder.isValid())
        return QChar(kUnknownCharacter);
    const QString character = m_decoder.decode(pair);
    return character.size() == 1 ? character.front() : QChar(kUnknownCharacter);
#endif
}

QString ShiftJisDecoder::decoded(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        if (!isLeadByte(byte)) {
            text += singleByte(byte);
        } else if (i + 1 == bytes.size()) {
            break;
        } else if (isTrailByte(uchar(bytes[i + 1]))) {
            text += doubleByte(bytes.sliced(i, 2));
            ++i;
        } else {
            text += QChar(kNoCharacter);
        }
    }
    return text;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString ShiftJisDecoder::operator()(QByteArrayView bytes)
{
    return isAscii(bytes) ? QString::fromLatin1(bytes) : decoded(bytes);
}

QString textOf(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // The decoder leaves a byte-order mark off by itself.
    const QString text = utf8(bytes);
    return utf8.hasError() ? ShiftJisDecoder()(bytes) : text;
}

Result<QString> readTextFile(const QString& path)
{
    if (QFileInfo(path).size() > kLargestTextFile)
        return failureOf(path,
            QStringLiteral("ファイルが大きすぎます（%1 MB まで）。").arg(kLargestTextFile / 1024 / 1024));
    const Result<QByteArray> bytes = readFile(path);
    if (!bytes.ok())
        return bytes.failure();
    if (bytes.value().contains('\0'))
        return failureOf(path, QStringLiteral("テキストファイルではありません。"));
    return textOf(bytes.value());
}

} // namespace core
