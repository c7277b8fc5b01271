#include "core/shift_jis.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace core {

#ifdef Q_OS_WIN

// Qt for Windows has no Shift_JIS converter of its own, so the system's code page 932 decodes the
// double-byte characters; the bytes are cut into characters here, as Qt's converter does elsewhere.
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

QChar doubleByte(QByteArrayView pair)
{
    wchar_t character[2] = {};
    const int count = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair.data(), 2, character, 2);
    return count == 1 ? QChar(char16_t(character[0])) : QChar(kUnknownCharacter);
}

} // namespace

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

#else

QString ShiftJisDecoder::decoded(QByteArrayView bytes)
{
    if (!m_decoder.isValid())
        return QString::fromLatin1(bytes);
    return m_decoder.decode(bytes);
}

#endif

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString ShiftJisDecoder::operator()(QByteArrayView bytes)
{
    return isAscii(bytes) ? QString::fromLatin1(bytes) : decoded(bytes);
}

} // namespace core
