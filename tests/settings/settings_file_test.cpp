#include "data_folder.h"
#include "qt_printing.h"
#include "row_name.h"
#include "settings/settings_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

using settings::Calibration;

const QByteArray kHeader
    = "; ravelov1.ini: where the marks are printed on the cards, in twips (1/1440 inch)\r\n"
      "; lines 3 to 6: horizontal start, horizontal step, vertical start, vertical step\r\n";

class SettingsFileTest : public testing::Test, protected DataFolder {
protected:
    QString path() const { return filePath("ravelov1.ini"); }
    void write(const QByteArray& bytes) const { DataFolder::write("ravelov1.ini", bytes); }
    QByteArray content() const { return DataFolder::content("ravelov1.ini"); }

    settings::SettingsFile m_file {QDir(m_dir.path())};
};

struct ReadCase {
    const char* name;
    std::optional<QByteArray> content; // none: no file
    Calibration calibration;
};

class ReadSettings : public SettingsFileTest, public testing::WithParamInterface<ReadCase> { };

TEST_P(ReadSettings, GivesTheCalibrationValues)
{
    const ReadCase& c = GetParam();
    if (c.content)
        write(*c.content);
    const core::Result<Calibration> read = m_file.read();
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), c.calibration);
    // Reading never changes a file that is there.
    if (c.content) {
        EXPECT_EQ(content(), *c.content);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ReadSettings,
    testing::Values(ReadCase {"Missing", std::nullopt, {1975, 238, 90, 360}},
        ReadCase {"Empty", "", {1975, 238, 90, 360}},
        ReadCase {"AsWritten", "a\r\nb\r\n2000\r\n240\r\n95\r\n365\r\n", {2000, 240, 95, 365}},
        ReadCase {"Fractions", "a\r\nb\r\n19.5\r\n238.5\r\n-.5\r\n360.7\r\n", {19.5, 238.5, -0.5, 361}},
        ReadCase {"TrailingText", "a\r\nb\r\n 1 975 \r\n238abc\r\n90\r\n360\r\n", {1975, 238, 90, 360}},
        ReadCase {"NoNumbers", "a\r\nb\r\nabc\r\n\r\n\r\n-\r\n", {0, 0, 0, 0}},
        ReadCase {"HalfDown", "a\r\nb\r\n1975\r\n238\r\n90\r\n360.5\r\n", {1975, 238, 90, 360}},
        ReadCase {"HalfUp", "a\r\nb\r\n1975\r\n238\r\n90\r\n361.5", {1975, 238, 90, 362}},
        ReadCase {"LoneLineEnds", "a\nb\r2000\n240\n95\n365\nmore\n", {2000, 240, 95, 365}},
        ReadCase {"LinesAfterSixIgnored", "a\r\nb\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n", {1, 2, 3, 4}},
        ReadCase {"ShortFileUsesDefaults", "a\r\nb\r\n2000\r\n", {2000, 238, 90, 360}},
        ReadCase {"HeaderOnly", "a\r\n", {1975, 238, 90, 360}},
        ReadCase {"HugeStep", "a\r\nb\r\n1975\r\n238\r\n90\r\n1E10\r\n", {1975, 238, 90, 1e10}}),
    rowName);

TEST_F(SettingsFileTest, AMissingFileIsWrittenWithTheDefaultsWhenFirstRead)
{
    ASSERT_TRUE(m_file.read().ok());
    EXPECT_EQ(content(), kHeader + "1975\r\n238\r\n90\r\n360\r\n");
}

TEST_F(SettingsFileTest, TheStagedFileIsWhatTheProgramWrites)
{
    QFile staged(QStringLiteral(LOTOCARD_DATA_DIR "/ravelov1.ini"));
    ASSERT_TRUE(staged.open(QIODevice::ReadOnly));
    ASSERT_TRUE(m_file.read().ok());
    EXPECT_EQ(staged.readAll(), content());
}

struct RewriteCase {
    const char* name;
    std::optional<QByteArray> before;
    QByteArray after;
};

class RewriteSettings : public SettingsFileTest, public testing::WithParamInterface<RewriteCase> { };

TEST_P(RewriteSettings, ReplacesLinesThreeToSixOnly)
{
    const RewriteCase& c = GetParam();
    if (c.before)
        write(*c.before);
    EXPECT_TRUE(m_file.writeValues({"19.5", "238", "-.5", "360.7"}).ok());
    EXPECT_EQ(content(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Files, RewriteSettings,
    testing::Values(RewriteCase {"SixLines", "h1\r\nh2\r\n1\r\n2\r\n3\r\n4\r\n",
                        "h1\r\nh2\r\n19.5\r\n238\r\n-.5\r\n360.7\r\n"},
        // Header bytes from the Shift_JIS code page, trailing blanks and lines after the sixth
        // stay exactly as they were, in their order; the last line gets its line end.
        RewriteCase {"KeepsEveryOtherLine",
            "\x88\xf3\x8e\x9a \r\n\t\r\n1\r\n2\r\n3\r\n4\r\nseven\r\n\r\n\x83\x65nine",
            "\x88\xf3\x8e\x9a \r\n\t\r\n19.5\r\n238\r\n-.5\r\n360.7\r\nseven\r\n\r\n\x83\x65nine\r\n"},
        RewriteCase {"Missing", std::nullopt, kHeader + "19.5\r\n238\r\n-.5\r\n360.7\r\n"},
        RewriteCase {"Empty", "", kHeader + "19.5\r\n238\r\n-.5\r\n360.7\r\n"},
        RewriteCase {"OneLine", "mine\n",
            "mine\r\n" + kHeader.mid(kHeader.indexOf('\n') + 1) + "19.5\r\n238\r\n-.5\r\n360.7\r\n"},
        RewriteCase {"FourLines", "h1\r\nh2\r\n1\r\n2\r\n", "h1\r\nh2\r\n19.5\r\n238\r\n-.5\r\n360.7\r\n"}),
    rowName);

TEST_F(SettingsFileTest, RestoringTheDefaultsReadsAsTheDefaults)
{
    write("h1\r\nh2\r\n1\r\n2\r\n3\r\n4\r\n");
    ASSERT_TRUE(m_file.writeValues(settings::defaultValueLines()).ok());
    EXPECT_EQ(content(), "h1\r\nh2\r\n1975\r\n238\r\n90\r\n360\r\n");
    EXPECT_EQ(m_file.read().value(), settings::kDefaultCalibration);
}

TEST_F(SettingsFileTest, AFolderInItsPlaceFailsAndIsLeftAlone)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("ravelov1.ini"));
    const core::Result<Calibration> read = m_file.read();
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure().path, QDir::toNativeSeparators(path()));
    EXPECT_FALSE(m_file.writeValues(settings::defaultValueLines()).ok());
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

} // namespace
