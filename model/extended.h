// Extended-precision arithmetic with the three faults that end a calculation.
//
// Every operation is carried in long double (64-bit significand on x86-64) and checked
// explicitly instead of through the floating-point status flags: an invalid operation,
// a division by zero or an overflow throws at the step where it happens, while underflow
// and inexact results pass silently. Quiet NaNs and infinities that come from the math
// library's substitutes flow through as IEEE arithmetic lets them. Checking each step leaves
// no status flag behind, so a faulting step can never make a later, clean one fail.
#pragma once

#include <cmath>

#include "exceptions.h"

namespace corvane {

class X {
public:
    constexpr X(long double v) : v_(v) {}  // NOLINT: implicit on purpose, formulas read as maths
    constexpr X(double v) : v_(v) {}       // NOLINT
    constexpr X(int v) : v_(v) {}          // NOLINT
    constexpr long double Value() const { return v_; }

    friend X operator+(X a, X b) {
        if (std::isinf(a.v_) && std::isinf(b.v_) && std::signbit(a.v_) != std::signbit(b.v_)) throw EInvalidOp();
        return Checked(a, b, a.v_ + b.v_);
    }
    friend X operator-(X a, X b) {
        if (std::isinf(a.v_) && std::isinf(b.v_) && std::signbit(a.v_) == std::signbit(b.v_)) throw EInvalidOp();
        return Checked(a, b, a.v_ - b.v_);
    }
    friend X operator*(X a, X b) {
        if ((std::isinf(a.v_) && b.v_ == 0) || (a.v_ == 0 && std::isinf(b.v_))) throw EInvalidOp();
        return Checked(a, b, a.v_ * b.v_);
    }
    friend X operator/(X a, X b) {
        if (b.v_ == 0 && !std::isnan(a.v_)) {
            if (a.v_ == 0) throw EInvalidOp();
            if (!std::isinf(a.v_)) throw EZeroDivide();
        }
        if (std::isinf(a.v_) && std::isinf(b.v_)) throw EInvalidOp();
        return Checked(a, b, a.v_ / b.v_);
    }

private:
    // A result that left the extended range from finite operands is an overflow.
    static X Checked(X a, X b, long double r) {
        if (std::isinf(r) && std::isfinite(a.v_) && std::isfinite(b.v_)) throw EOverflow();
        return X(r);
    }
    long double v_;
};

// Stores an extended value into a double: a finite value beyond the double range is an
// overflow; one below the smallest double becomes a denormal or zero without error.
inline double Store(X x) {
    // Values from DBL_MAX plus half an ulp upwards round to infinity.
    constexpr long double kRoundsToInfinity = 0x1p1024L - 0x1p970L;
    const long double v = x.Value();
    if (std::isfinite(v) && std::fabs(v) >= kRoundsToInfinity) throw EOverflow();
    return static_cast<double>(v);
}

}  // namespace corvane
