#include "app/about.h"
#include "app/system_info.h"
#include "fakes.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

const QString kToolKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
const QString kFolderKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)");
constexpr std::uint32_t kNumberType = 4; // REG_DWORD

seams::Registry::Value text(const QByteArray& value)
{
    QByteArray buffer(seams::Registry::kValueBufferSize, '\0');
    buffer.replace(0, value.size(), value);
    return {seams::Registry::kTextType, buffer};
}

struct LookupCase {
    const char* name;
    std::optional<seams::Registry::Value> toolPath;
    std::optional<seams::Registry::Value> toolFolder;
    QMap<QString, QString> installed;
    std::optional<QString> program;
};

class SystemInfoLookup : public testing::TestWithParam<LookupCase> { };

TEST_P(SystemInfoLookup, FindsTheToolToStart)
{
    const LookupCase& c = GetParam();
    fakes::MapRegistry registry;
    if (c.toolPath)
        registry.values[{kToolKey, "PATH"}] = *c.toolPath;
    if (c.toolFolder)
        registry.values[{kFolderKey, "MSINFO"}] = *c.toolFolder;
    fakes::RecordingLauncher launcher;
    launcher.installed = c.installed;
    EXPECT_EQ(app::systemInfoProgram(registry, launcher), c.program);
}

const QString kMsinfo = QStringLiteral(R"(C:\Shared\MSINFO32.EXE)");

INSTANTIATE_TEST_SUITE_P(Machines, SystemInfoLookup,
    testing::Values(LookupCase {"FirstValue", text(R"(C:\Tools\msinfo32.exe)"), text(R"(C:\Shared)"),
                        {{kMsinfo, kMsinfo}}, R"(C:\Tools\msinfo32.exe)"},
        LookupCase {"FirstValueCutAtItsEnd", text(QByteArray("C:\\a.exe\0old", 12)), {}, {}, R"(C:\a.exe)"},
        LookupCase {"SecondValueWithTheTool", {}, text(R"(C:\Shared)"), {{kMsinfo, kMsinfo}}, kMsinfo},
        LookupCase {"SecondValueWithoutTheTool", {}, text(R"(C:\Shared)"), {}, std::nullopt},
        LookupCase {"NumberInPlaceOfText", seams::Registry::Value {kNumberType, QByteArray(4, '\1')},
            text(R"(C:\Shared)"), {{kMsinfo, kMsinfo}}, kMsinfo},
        LookupCase {"Neither", {}, {}, {}, std::nullopt},
        LookupCase {"DesktopTool", {}, {}, {{"hardinfo", "/usr/bin/hardinfo"}}, "/usr/bin/hardinfo"},
        LookupCase {"FirstDesktopToolFirst", {}, {},
            {{"lshw-gtk", "/usr/bin/lshw-gtk"}, {"kinfocenter", "/usr/bin/kinfocenter"}},
            "/usr/bin/kinfocenter"}),
    rowName);

TEST(VersionText, IsMajorMinorRevisionInPlainDecimals)
{
    EXPECT_EQ(app::versionText(1, 0, 1), u"ﾊﾞｰｼﾞｮﾝ 1.0.1"_qs);
    EXPECT_EQ(app::versionText(2, 10, 0), u"ﾊﾞｰｼﾞｮﾝ 2.10.0"_qs);
}

} // namespace
