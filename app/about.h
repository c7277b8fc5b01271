// What the version window says about the program: its version and where to find its authors.
#pragma once

#include <QString>
#include <QUrl>
#include <array>

namespace app {

// "ﾊﾞｰｼﾞｮﾝ 1.0.1": major, minor and revision as plain decimals.
QString versionText(int major, int minor, int revision);
// The running program's own.
QString versionText();

struct Link {
    const char* name; // the label that shows it
    QString caption;
    QUrl target;
};

// The three links of the version window, in its tab-free top-to-bottom order. The mail label shows
// the e-mail address but opens the mail page beside the home page.
std::array<Link, 3> authorLinks();

} // namespace app
