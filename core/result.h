#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace xc {

// The outcome of an operation the user can make fail: either a value or a message that names
// what went wrong (shown as a notice by the desktop, one stderr line by the command line).
template <typename T>
class Result {
public:
    static Result success(T value) { return Result(std::move(value), {}); }
    static Result failure(QString message) { return Result(std::nullopt, std::move(message)); }

    bool ok() const { return m_value.has_value(); }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    const QString& error() const { return m_error; }

private:
    Result(std::optional<T> value, QString error) : m_value(std::move(value)), m_error(std::move(error)) {}
    std::optional<T> m_value;
    QString m_error;
};

class Status {
public:
    static Status success() { return Status({}); }
    static Status failure(QString message) { return Status(std::move(message)); }

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }

private:
    explicit Status(QString error) : m_error(std::move(error)) {}
    QString m_error;
};

}  // namespace xc
