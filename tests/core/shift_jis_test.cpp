#include "core/shift_jis.h"
#include "row_name.h"

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
        DecodeCase {"PairOfNoCharacter", "\x85\x40", u"\xFFFD"_qs}),
    rowName);

} // namespace
