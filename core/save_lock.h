// The lock every save of a file holds from its reading of the file to the rename, so that two saves of one
// file, in this copy of the program or another, never lose each other's lines.
#pragma once

#include "core/result.h"

#include <QLockFile>
#include <QString>
#include <chrono>

namespace core {

// The lock is a file beside the file itself, the file's name with this ending, there only while a save
// runs.
inline constexpr char kLockSuffix[] = ".lock";
// How long a save waits for another copy's save of the same file to end before it gives up.
inline constexpr std::chrono::milliseconds kLockWait {5000};

// The file a path reaches: links followed, so that every path to one file, a link in another working
// folder among them, is saved and locked as that one file. A file that does not exist yet is the path
// itself, in its folder as the links of the folders reach it.
QString fileReached(const QString& path);

// Held while the object lives. A lock left by a copy that has ended, or a lock path that is no lock at
// all (a folder, a link, a file that names no owner), is taken over at once; one that cannot be removed
// fails at once, naming the lock file, since waiting would never help.
class SaveLock {
public:
    // The lock of the file that fileReached(path) gives.
    explicit SaveLock(const QString& path);

    // Taken, or why not.
    const Result<void>& taken() const { return m_taken; }

private:
    Result<void> take();
    Result<void> removeIfOwnerGone();

    QString m_path; // as the caller named the file, for the messages
    QLockFile m_lock;
    Result<void> m_taken;
};

} // namespace core
