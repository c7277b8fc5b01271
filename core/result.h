// The outcome of work that can fail: a value, or the failure that stopped it. Every such outcome in the
// program has this one shape, so that a caller checks ok() once and then takes the value or the failure.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace core {

// A file that could not be read or written: which file, and the system's reason.
struct FileFailure {
    QString path; // shown to the user as it is, so it is the full native path
    QString reason; // the system's own words

    bool operator==(const FileFailure&) const = default;
};

// The failure of the file at path, named as the user finds it: its full native path.
inline FileFailure failureOf(const QString& path, const QString& reason)
{
    return {QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason};
}

template <typename T, typename Failure = FileFailure> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_outcome(std::in_place_index<0>, std::move(value))
    { }
    // Any failure of the kinds this result carries: a FileFailure where the failure is a variant of it.
    template <typename F>
    requires(std::is_convertible_v<F, Failure> && !std::is_convertible_v<F, T>) Result(F failure)
        : m_outcome(std::in_place_index<1>, Failure(std::move(failure)))
    { }

    bool ok() const { return m_outcome.index() == 0; }
    const T& value() const& { return std::get<0>(m_outcome); }
    // The value itself, where the result is not needed any more: a file's bytes are not copied.
    T value() && { return std::get<0>(std::move(m_outcome)); }
    const Failure& failure() const { return std::get<1>(m_outcome); }

private:
    std::variant<T, Failure> m_outcome;
};

// Work that gives nothing back: done, or the failure.
template <typename Failure> class [[nodiscard]] Result<void, Failure> {
public:
    Result() = default;
    template <typename F>
    requires std::is_convertible_v<F, Failure> Result(F failure)
        : m_failure(Failure(std::move(failure)))
    { }

    bool ok() const { return !m_failure.has_value(); }
    const Failure& failure() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

} // namespace core
