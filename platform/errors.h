// Typed run-time errors that a handler can raise; the event boundary reports them.
#pragma once

#include <QString>
#include <stdexcept>

namespace velsora {

// Base of every error a handler may raise. Carries the classic error number and a
// Bulgarian description that the player sees in the message box.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString& description);
    [[nodiscard]] int number() const noexcept { return number_; }
    [[nodiscard]] const QString& description() const noexcept { return description_; }

private:
    int number_;
    QString description_;
};

// A 16-bit or 8-bit integer result outside its range, or a number too large to convert.
class OverflowError : public RuntimeError {
public:
    OverflowError();
};

// An invalid operation, a division by zero or an overflow in floating-point arithmetic.
class FloatingPointError : public RuntimeError {
public:
    FloatingPointError();
};

// A control-array member that does not exist, already exists, or may not be unloaded.
class ControlArrayError : public RuntimeError {
public:
    enum class Kind { Missing, AlreadyLoaded, DesignTime };
    ControlArrayError(Kind kind, const QString& array, int index);
    [[nodiscard]] Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// A property call that the control refuses: a list position out of range, a value it cannot take.
class PropertyError : public RuntimeError {
public:
    explicit PropertyError(const QString& what);
};

// A failure of the window system underneath a property call.
class PlatformError : public RuntimeError {
public:
    explicit PlatformError(const QString& what);
};

// Memory ran out (std::bad_alloc), as the event boundary reports it.
class OutOfMemoryError : public RuntimeError {
public:
    OutOfMemoryError();
};

// An error of no kind of the program's own: a C++ exception from a library (its message, where it
// has one), or something thrown that is not an exception at all.
class UnknownError : public RuntimeError {
public:
    explicit UnknownError(const QString& what = QString());
};

} // namespace velsora
