// The system information button with the Windows registry and the process start themselves: the tool
// the registry names is started, and without the keys the message is shown. The test writes machine
// keys, so it runs only under Wine, in the test's own prefix, never on a user's Windows.
#include "app/desktop_launcher.h"
#include "app/win32_registry.h"
#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <windows.h>

namespace {

constexpr const char* kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
constexpr const char* kFolderKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";

bool underWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class SystemInfoRegistryTest : public WindowTest {
protected:
    void SetUp() override
    {
        if (!underWine())
            GTEST_SKIP() << "writes machine keys of the registry: only in Wine's prefix of the tests";
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kToolKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFolderKey);
    }

    void TearDown() override
    {
        if (underWine())
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, kToolKey);
    }

    static void setToolPath(const QString& path)
    {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, kToolKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        const QByteArray value = path.toLocal8Bit();
        const LONG set = RegSetValueExA(key, "PATH", 0, REG_SZ,
            reinterpret_cast<const BYTE*>(value.constData()), DWORD(value.size() + 1));
        RegCloseKey(key);
        ASSERT_EQ(set, ERROR_SUCCESS);
    }

    void clickSystemInfo()
    {
        m_real.loadMain();
        control<QAction>(onlyWindow(), "ver")->trigger();
        click(onlyWindow(), "cmdSysInfo");
    }

    app::DesktopLauncher m_desktop;
    app::Win32Registry m_windowsRegistry;
    app::Navigator m_real {m_navigator.services(), {m_desktop, m_windowsRegistry}};
};

TEST_F(SystemInfoRegistryTest, TheToolTheRegistryNamesIsStarted)
{
    const QString tool = filePath("msinfo32.exe");
    ASSERT_TRUE(QFile::copy(QStringLiteral(LOTOCARD_SYSINFO_STANDIN), tool));
    setToolPath(QDir::toNativeSeparators(tool));
    clickSystemInfo();
    EXPECT_TRUE(QTest::qWaitFor([this] { return QFile::exists(filePath("started")); }, 20'000));
    EXPECT_TRUE(m_prompter.asked.isEmpty());
}

TEST_F(SystemInfoRegistryTest, WithoutTheKeysTheMessageIsShown)
{
    clickSystemInfo();
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked.first().text, u"現時点ではｼｽﾃﾑ情報を使用できません"_qs);
    EXPECT_EQ(formOf(onlyWindow()), "frmAbout");
}

} // namespace
