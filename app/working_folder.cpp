#include "app/working_folder.h"

#include "core/line_file.h"

#include <QFileInfo>

namespace app {

core::Result<void> fillWorkingFolder(const QDir& shipped, const QDir& work)
{
    for (const char* name : kShippedFiles) {
        const QString file = QString::fromLatin1(name);
        if (QFileInfo::exists(work.filePath(file)))
            continue;
        core::Result<QByteArray> bytes = core::readFile(shipped.filePath(file));
        if (!bytes.ok())
            return bytes.failure();
        if (const auto done = core::createFile(work.filePath(file), std::move(bytes).value()); !done.ok())
            return done.failure();
    }
    return {};
}

} // namespace app
