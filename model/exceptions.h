// The error objects of Corvane: every reported failure is an Exception with one message.
#pragma once

#include <exception>
#include <string>

namespace corvane {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text that is not a number.
class EConvertError : public Exception {
    using Exception::Exception;
};

// Arithmetic faults that end a calculation.
class EMathError : public Exception {
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

// Printing failures.
class EPrinter : public Exception {
    using Exception::Exception;
};

}  // namespace corvane
