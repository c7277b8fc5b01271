// A second copy of the program's print-file code in a process of its own: appends Numbers4 entries of
// its own one save at a time and deletes every fifth one it added, as a user at another copy of the
// program would, while the test runs another writer on the same folder.
// Usage: save_writer FOLDER FIRST COUNT: entries FIRST to FIRST + COUNT - 1, play type A.
//        save_writer --leave-lock FILE: takes FILE's save lock and ends without letting it go, as a
//        copy of the program that was killed in the middle of a save.
//        save_writer --read FILE COUNT: reads FILE COUNT times through the program's own reading, as a
//        copy of the program that lists it again and again; says "read" once it has begun.
//        save_writer --hold FILE MILLISECONDS (Windows): holds FILE open as virus scanners and sync
//        clients do, without letting it be deleted or replaced; says "held" once it holds it.
#include "core/line_file.h"
#include "core/save_lock.h"
#include "lotteries/print_file.h"

#include <QDir>
#include <QLockFile>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

#ifdef Q_OS_WIN
#include <QThread>
#include <windows.h>
#endif

namespace {

QByteArray entry(int number)
{
    return QByteArray::number(number).rightJustified(4, '0') + 'A';
}

int fail(const char* what, const core::FileFailure& failure)
{
    std::fprintf(stderr, "%s: %s: %s\n", what, qPrintable(failure.path), qPrintable(failure.reason));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--leave-lock") {
        QLockFile lock(QString::fromLocal8Bit(argv[2]) + QLatin1StringView(core::kLockSuffix));
        if (!lock.tryLock(0))
            return 1;
        // No destructor, no unlock: the lock file stays as QLockFile wrote it, naming this process.
        std::_Exit(0);
    }
    if (argc == 4 && std::string_view(argv[1]) == "--read") {
        const QString path = QString::fromLocal8Bit(argv[2]);
        const int count = std::atoi(argv[3]);
        for (int i = 0; i < count; ++i) {
            if (const auto read = core::readFile(path); !read.ok())
                return fail("read", read.failure());
            if (i == 0) {
                std::puts("read");
                std::fflush(stdout);
            }
        }
        return 0;
    }
#ifdef Q_OS_WIN
    if (argc == 4 && std::string_view(argv[1]) == "--hold") {
        const HANDLE held = CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE)
            return 1;
        std::puts("held");
        std::fflush(stdout);
        QThread::msleep(std::atoi(argv[3]));
        CloseHandle(held);
        return 0;
    }
#endif
    if (argc != 4) {
        std::fprintf(stderr, "usage: save_writer FOLDER FIRST COUNT\n");
        return 2;
    }
    const lotteries::PrintFile file(
        lotteries::rulesOf(lotteries::Lottery::Numbers4), QDir(QString::fromLocal8Bit(argv[1])));
    const int first = std::atoi(argv[2]);
    const int count = std::atoi(argv[3]);
    // A moment between saves, as between a user's: a loop with none takes the lock again the instant it
    // lets it go, and on a busy machine starves the other writer past the lock's wait, which no pair of
    // users does. Longer than the other's pause between looks at the lock, so that it finds it free.
    constexpr std::chrono::milliseconds kBetweenSaves {10};
    for (int i = 0; i < count; ++i) {
        std::this_thread::sleep_for(kBetweenSaves);
        if (const auto done = file.append({entry(first + i)}); !done.ok())
            return fail("append", done.failure());
        // After every fifth entry, the third of those five goes again.
        if (i % 5 != 4)
            continue;
        const core::Result<bool> removed = file.remove(entry(first + i - 2));
        if (!removed.ok())
            return fail("delete", removed.failure());
        if (!removed.value()) {
            std::fprintf(stderr, "delete: %s was not in the file\n", entry(first + i - 2).constData());
            return 1;
        }
    }
    return 0;
}
