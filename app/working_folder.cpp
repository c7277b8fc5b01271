#include "app/working_folder.h"

#include "core/line_file.h"

#include <QFileInfo>

namespace app {

std::optional<core::FileFailure> fillWorkingFolder(const QDir& shipped, const QDir& work)
{
    for (const char* name : kShippedFiles) {
        const QString file = QString::fromLatin1(name);
        if (QFileInfo::exists(work.filePath(file)))
            continue;
        core::FileResult<QByteArray> bytes = core::readFile(shipped.filePath(file));
        if (!bytes.ok())
            return bytes.failure();
        if (auto failure = core::createFile(work.filePath(file), std::move(bytes).value()))
            return failure;
    }
    return std::nullopt;
}

} // namespace app
