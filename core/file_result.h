// The outcome of a file operation: a value, or which file failed and the system's reason.
#pragma once

#include <QString>
#include <utility>
#include <variant>

namespace core {

struct FileFailure {
    QString path; // shown to the user as it is, so it is the full native path
    QString reason; // the system's own words

    bool operator==(const FileFailure&) const = default;
};

template <typename T> class FileResult {
public:
    FileResult(T value)
        : m_outcome(std::move(value))
    { }
    FileResult(FileFailure failure)
        : m_outcome(std::move(failure))
    { }

    bool ok() const { return std::holds_alternative<T>(m_outcome); }
    const T& value() const& { return std::get<T>(m_outcome); }
    // The value itself, where the result is not needed any more: a file's bytes are not copied.
    T value() && { return std::get<T>(std::move(m_outcome)); }
    const FileFailure& failure() const { return std::get<FileFailure>(m_outcome); }

private:
    std::variant<T, FileFailure> m_outcome;
};

} // namespace core
