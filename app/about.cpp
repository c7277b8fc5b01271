#include "app/about.h"

#include "app/version.h"

namespace app {

namespace {

// The program's addresses live here and nowhere else.
constexpr auto kHomePage = "https://lotocard.example.com/";
constexpr auto kSupportPage = "https://lotocard.example.com/support/";
constexpr auto kMailPage = "https://lotocard.example.com/mail.html";
constexpr auto kMailAddress = "loto@example.com";

} // namespace

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString versionText()
{
    return versionText(kVersionMajor, kVersionMinor, kVersionRevision);
}

std::array<Link, 3> authorLinks()
{
    return {{
        {"Label4", QString::fromLatin1(kHomePage), QUrl(QString::fromLatin1(kHomePage))},
        {"Label2", QString::fromLatin1(kSupportPage), QUrl(QString::fromLatin1(kSupportPage))},
        {"Label3", QStringLiteral("E-Mail:") + QString::fromLatin1(kMailAddress),
            QUrl(QString::fromLatin1(kMailPage))},
    }};
}

} // namespace app
