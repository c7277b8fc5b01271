// Every action that writes a file, on a disk that has no room left: the failure is shown with the file
// and the system's reason, and every file is as it was before, byte for byte.
#include "file_size_limit.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListView>
#include <cerrno>
#include <functional>

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
    QWidget* openCard(tickets::Lottery lottery)
    {
        m_navigator.loadMain();
        m_navigator.openCard(lottery);
        return onlyWindow();
    }
    QWidget* openQuick()
    {
        m_navigator.loadMain();
        m_navigator.openQuick();
        return onlyWindow();
    }
    QWidget* openCalibration()
    {
        m_navigator.loadMain();
        m_navigator.openCalibration();
        return onlyWindow();
    }
    void click(QWidget* window, const char* name) const
    {
        QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
    }
    void removeSettings() const { ASSERT_TRUE(QFile::remove(filePath("ravelov1.ini"))); }
};

struct FullDiskCase {
    const char* name;
    // Opens the window beforehand, with room, and returns the action that writes.
    std::function<std::function<void()>(FullDiskTest&)> prepare;
    const char* file; // the file the message names
};

void PrintTo(const FullDiskCase& row, std::ostream* out)
{
    *out << row.name;
}

class FullDisk : public FullDiskTest, public testing::WithParamInterface<FullDiskCase> { };

TEST_P(FullDisk, TheFailureIsShownAndEveryFileStaysAsItWas)
{
    const std::function<void()> act = GetParam().prepare(*this);
    QMap<QString, QByteArray> before;
    for (const char* file : kFiles)
        before.insert(file, content(file));
    m_prompter.asked.clear();
    {
        const FileSizeLimit full(0);
        act();
    }
    ASSERT_FALSE(m_prompter.asked.isEmpty());
    const QString text = m_prompter.asked.last().text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(filePath(GetParam().file)))) << text.toStdString();
    EXPECT_TRUE(text.contains(qt_error_string(EFBIG))) << text.toStdString();
    for (const char* file : kFiles)
        EXPECT_EQ(content(file), before.value(file)) << file;
}

INSTANTIATE_TEST_SUITE_P(Actions, FullDisk,
    testing::Values(FullDiskCase {"Register",
                        [](FullDiskTest& t) -> std::function<void()> {
                            QWidget* window = t.openCard(tickets::Lottery::Loto6);
                            return [&t, window] {
                                auto* entry = window->findChild<QLineEdit*>("Text1");
                                entry->setText("011522304143");
                                t.click(window, "Command4");
                                // Nothing typed is lost.
                                EXPECT_EQ(entry->text(), "011522304143");
                            };
                        },
                        "loto6.txt"},
        FullDiskCase {"Delete",
            [](FullDiskTest& t) -> std::function<void()> {
                QWidget* window = t.openCard(tickets::Lottery::Loto6);
                return [window] {
                    auto* list = window->findChild<QListView*>("List1");
                    const QRect row = list->visualRect(list->model()->index(0, 0));
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
                };
            },
            "loto6.txt"},
        FullDiskCase {"QuickPredictionReplacing",
            [](FullDiskTest& t) -> std::function<void()> {
                QWidget* window = t.openQuick();
                return [&t, window] { t.click(window, "Command2"); };
            },
            "numbers3.txt"},
        FullDiskCase {"QuickPredictionAdding",
            [](FullDiskTest& t) -> std::function<void()> {
                QWidget* window = t.openQuick();
                t.click(window, "Check2");
                return [&t, window] { t.click(window, "Command2"); };
            },
            "numbers3.txt"},
        FullDiskCase {"CalibrationSave",
            [](FullDiskTest& t) -> std::function<void()> {
                QWidget* window = t.openCalibration();
                return [&t, window] { t.click(window, "Command11"); };
            },
            "ravelov1.ini"},
        FullDiskCase {"CalibrationRestore",
            [](FullDiskTest& t) -> std::function<void()> {
                QWidget* window = t.openCalibration();
                return [&t, window] { t.click(window, "Command10"); };
            },
            "ravelov1.ini"},
        FullDiskCase {"SettingsCreatedWithDefaults",
            [](FullDiskTest& t) -> std::function<void()> {
                t.removeSettings();
                return [&t] { t.openCalibration(); };
            },
            "ravelov1.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
