// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace boxmill {

// A value or the message that explains why there is none. Errors travel up
// as values; only the user interface decides how to show them.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_state(std::move(value))
    {
    }
    static Result failure(std::string message) { return Result(Error {std::move(message)}); }

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(m_state); }
    T& value() & { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    const std::string& error() const { return std::get<Error>(m_state).message; }

private:
    struct Error {
        std::string message;
    };
    explicit Result(Error error)
        : m_state(std::move(error))
    {
    }
    std::variant<T, Error> m_state;
};

// For operations that return nothing but may fail.
struct Done { };
using Status = Result<Done>;
inline Status Success()
{
    return Status(Done {});
}

} // namespace boxmill
