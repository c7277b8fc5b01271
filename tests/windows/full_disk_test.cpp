// Every action that writes a file, on a disk that has no room left: the failure is shown with the file
// and the system's reason, and every file is as it was before, byte for byte.
#include "file_size_limit.h"
#include "row_name.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QListView>
#include <cerrno>

namespace {

const char* const kFiles[] {"loto6.txt", "miniloto.txt", "numbers4.txt", "numbers3.txt", "ravelov1.ini"};

class FullDiskTest : public WindowTest {
protected:
    void SetUp() override
    {
        stageQuickData();
        write("loto6.txt", "011522304143\r\n010203040506\r\n");
        write("miniloto.txt", "0109172531\r\n");
        write("numbers4.txt", "1234A\r\n");
        write("numbers3.txt", "123A\r\n");
        write("ravelov1.ini", "; mine\r\n\r\n2000\r\n19.5\r\n-.5\r\n360\r\n");
    }

public:
    // For the actions of the table. Opening a window reads the files it opens on, which needs no room.
    using WindowTest::click;
    using WindowTest::control;
    using WindowTest::open;
};

struct FullDiskCase {
    const char* name;
    bool withoutSettings; // ravelov1.ini is missing, so that opening the calibration window writes it
    void (*act)(FullDiskTest&);
    const char* file; // the file the message names
};

void PrintTo(const FullDiskCase& row, std::ostream* out)
{
    *out << row.name;
}

class FullDisk : public FullDiskTest, public testing::WithParamInterface<FullDiskCase> { };

TEST_P(FullDisk, TheFailureIsShownAndEveryFileStaysAsItWas)
{
    if (GetParam().withoutSettings) {
        ASSERT_TRUE(QFile::remove(filePath("ravelov1.ini")));
    }
    QMap<QString, QByteArray> before;
    for (const char* file : kFiles)
        before.insert(file, content(file));
    {
        const FileSizeLimit full(0);
        GetParam().act(*this);
    }
    ASSERT_FALSE(m_prompter.asked.isEmpty());
    const QString text = m_prompter.asked.last().text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(filePath(GetParam().file)))) << text.toStdString();
    EXPECT_TRUE(text.contains(qt_error_string(EFBIG))) << text.toStdString();
    for (const char* file : kFiles)
        EXPECT_EQ(content(file), before.value(file)) << file;
}

INSTANTIATE_TEST_SUITE_P(Actions, FullDisk,
    testing::Values(FullDiskCase {"Register", false,
                        [](FullDiskTest& t) {
                            QWidget* card = t.open(&app::Navigator::openCard, lotteries::Lottery::Loto6);
                            FullDiskTest::control<QLineEdit>(card, "Text1")->setText("011522304143");
                            FullDiskTest::click(card, "Command4");
                            // Nothing typed is lost.
                            EXPECT_EQ(
                                FullDiskTest::control<QLineEdit>(card, "Text1")->text(), "011522304143");
                        },
                        "loto6.txt"},
        FullDiskCase {"Delete", false,
            [](FullDiskTest& t) {
                auto* list = FullDiskTest::control<QListView>(
                    t.open(&app::Navigator::openCard, lotteries::Lottery::Loto6), "List1");
                list->setCurrentIndex(list->model()->index(0, 0));
                QTest::mouseDClick(
                    list->viewport(), Qt::LeftButton, {}, list->visualRect(list->currentIndex()).center());
            },
            "loto6.txt"},
        FullDiskCase {"QuickPredictionReplacing", false,
            [](FullDiskTest& t) { FullDiskTest::click(t.open(&app::Navigator::openQuick), "Command2"); },
            "numbers3.txt"},
        FullDiskCase {"QuickPredictionAdding", false,
            [](FullDiskTest& t) {
                QWidget* quick = t.open(&app::Navigator::openQuick);
                FullDiskTest::click(quick, "Check2");
                FullDiskTest::click(quick, "Command2");
            },
            "numbers3.txt"},
        FullDiskCase {"CalibrationSave", false,
            [](FullDiskTest& t) {
                FullDiskTest::click(t.open(&app::Navigator::openCalibration), "Command11");
            },
            "ravelov1.ini"},
        FullDiskCase {"CalibrationRestore", false,
            [](FullDiskTest& t) {
                FullDiskTest::click(t.open(&app::Navigator::openCalibration), "Command10");
            },
            "ravelov1.ini"},
        FullDiskCase {"SettingsCreatedWithDefaults", true,
            [](FullDiskTest& t) { t.open(&app::Navigator::openCalibration); }, "ravelov1.ini"}),
    rowName);

} // namespace
