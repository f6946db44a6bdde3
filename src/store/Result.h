#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace spinledger {

// A value, or the status text that says why there is none.
template <typename T> class Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    static Result failure(QString status)
    {
        Result r;
        r.m_status = std::move(status);
        return r;
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const T& operator*() const { return *m_value; }
    const QString& status() const { return m_status; }

private:
    Result() = default;
    std::optional<T> m_value;
    QString m_status;
};

// Outcome of an operation that yields nothing but success or a status text.
struct Status
{
    bool ok = true;
    QString text;

    static Status success() { return {}; }
    static Status failure(QString t) { return {false, std::move(t)}; }
};

} // namespace spinledger
