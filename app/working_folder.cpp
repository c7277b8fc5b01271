#include "app/working_folder.h"

#include "app/shipped_files.h"
#include "core/line_file.h"

#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace app {

namespace {

core::FileFailure folderFailure(const QString& folder, const std::error_code& error)
{
    return {QDir::toNativeSeparators(QDir(folder).absolutePath()), QString::fromLocal8Bit(error.message())};
}

} // namespace

core::Result<QString> chooseWorkingFolder(
    const QStringList& arguments, const QString& current, const QString& documents)
{
    if (!arguments.mid(1).contains(QLatin1String(kDocumentsOption)))
        return current;
    if (documents.isEmpty()) {
        return core::FileFailure {QString::fromLatin1(kDocumentsFolder),
            QStringLiteral("「ドキュメント」フォルダーの場所を Windows から得られませんでした。")};
    }
    return QDir(documents).filePath(QString::fromLatin1(kDocumentsFolder));
}

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

core::Result<void> enterWorkingFolder(const QDir& shipped, const QString& folder)
{
    // The standard library's calls, unlike QDir's, say why a folder could not be made or entered.
    const std::filesystem::path path = QDir(folder).filesystemAbsolutePath();
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error)
        return folderFailure(folder, error);
    if (auto filled = fillWorkingFolder(shipped, QDir(folder)); !filled.ok())
        return filled;
    std::filesystem::current_path(path, error);
    if (error)
        return folderFailure(folder, error);
    return {};
}

} // namespace app
