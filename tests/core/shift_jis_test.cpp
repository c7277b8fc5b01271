#include "core/shift_jis.h"
#include "row_name.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

namespace {

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString text;
};

class ShiftJis : public testing::TestWithParam<DecodeCase> { };

// Every system decodes alike: Windows through its code page 932, the others through Qt's converter.
TEST_P(ShiftJis, DecodesALineAlikeOnEverySystem)
{
    EXPECT_EQ(core::ShiftJisDecoder()(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Bytes, ShiftJis,
    testing::Values(DecodeCase {"Katakana", "\x83\x65\x83\x58\x83\x67", u"テスト"_qs},
        DecodeCase {"FullWidthLetter", "12\x82\x60", u"12Ａ"_qs},
        DecodeCase {"HalfWidthKatakana", "\xB1\xA5", u"ｱ･"_qs},
        DecodeCase {"YenAndTildeBytesStayAscii", "\x5C\x7E", u"\\~"_qs},
        DecodeCase {"WindowsExtensions", "\x87\x40\xFA\x40", u"①ⅰ"_qs},
        DecodeCase {"HalfCharacterAtTheEndDropped", "\x83\x65\x83", u"テ"_qs},
        DecodeCase {"LeadByteBeforeNoTrailByte", "\x83\x20", u"\x1A "_qs},
        DecodeCase {"BytesThatBeginNoCharacter", "\x80\xA0\xFD", u"\x1A\x1A\x1A"_qs},
        DecodeCase {"PairOfNoCharacter", "\x85\x40", u"\xFFFD"_qs},
        DecodeCase {
            "ControlBytesStayAsTheyAre", QByteArray("\x1A\x1C\x7F\x83\x65", 5), u"\x1A\x1C\x7Fテ"_qs}),
    rowName);

// Every input of one and of two bytes, decoded: the figure was taken where Qt's converter reads the pairs
// and holds where code page 932 reads them, so each system checks the other.
TEST(ShiftJisEverySequence, DecodesAlikeOnEverySystem)
{
    core::ShiftJisDecoder decode;
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            QByteArray bytes(1, char(first));
            if (second >= 0)
                bytes.append(char(second));
            const QString text = decode(bytes) + QChar(u'|');
            digest.addData(QByteArrayView(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
        }
    }
    EXPECT_EQ(digest.result().toHex(),
        QByteArray("7eaa47ffadab48a94f9925eda16dee32597dd95a1062065e672d1e82787b6876"));
}

} // namespace
