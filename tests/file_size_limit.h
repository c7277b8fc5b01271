// A disk that is full from a given size on, for this process only: while a FileSizeLimit lives, a
// write past that many bytes into any file fails with "File too large" (EFBIG), as a write onto a full
// disk fails with "No space left on device", and for the program's saves in the same place. Only the
// soft limit is lowered, so any user can raise it back afterwards.
#pragma once

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_old), 0);
        // Ignored, the signal lets the write fail with EFBIG instead of ending the process.
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};
