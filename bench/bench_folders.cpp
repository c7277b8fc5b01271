#include "bench/bench_folders.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <random>

namespace bench {

namespace {

constexpr int kNumbers = 6;
constexpr int kHighest = 43;

} // namespace

QDir withDataFiles(const QTemporaryDir& temporary)
{
    const QDir from(QStringLiteral(LOTOCARD_DATA_DIR));
    const QDir to(temporary.path());
    for (const QString& name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), to.filePath(name));
    return to;
}

QByteArray loto6Entries(int entries)
{
    std::mt19937 engine(20261207);
    std::array<int, kHighest> pool {};
    for (int i = 0; i < kHighest; ++i)
        pool.at(i) = i + 1;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(entries) * (2 * kNumbers + 2));
    for (int entry = 0; entry < entries; ++entry) {
        std::shuffle(pool.begin(), pool.end(), engine);
        std::sort(pool.begin(), pool.begin() + kNumbers);
        for (int i = 0; i < kNumbers; ++i)
            bytes.append(QByteArray::number(pool.at(i)).rightJustified(2, '0'));
        bytes.append("\r\n");
    }
    return bytes;
}

const QDir& folderWithEntries(int entries)
{
    static std::map<int, std::pair<std::unique_ptr<QTemporaryDir>, QDir>> folders;
    auto found = folders.find(entries);
    if (found == folders.end()) {
        auto temporary = std::make_unique<QTemporaryDir>();
        const QDir folder = withDataFiles(*temporary);
        QFile file(folder.filePath(QString::fromLatin1(kPrintFile)));
        if (!file.open(QIODevice::WriteOnly) || file.write(loto6Entries(entries)) < 0)
            qFatal("cannot write %s", qPrintable(file.fileName()));
        found = folders.emplace(entries, std::pair(std::move(temporary), folder)).first;
    }
    return found->second.second;
}

} // namespace bench
