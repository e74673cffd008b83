// The base-10 logarithms and the power function the model computes with.
//
// The reporting log10 and pow show a math-library notice ("%s: %s error") through the
// handler they are given and go on with a substitute value. The strict logarithm reports
// nothing: a zero argument is a division by zero and a negative one an invalid operation.
#pragma once

#include <functional>
#include <string>

#include "extended.h"

namespace corvane {

// Receives the text of one math-library notice, e.g. "log10: SING error". It returns when
// the user has seen it; the computation then goes on with the substitute.
using NoticeHandler = std::function<void(const std::string& text)>;

// The kinds of math-library error. UNDERFLOW and TLOSS pass silently; the others are shown.
enum class MathErrorKind { Domain, Sing, Overflow, Underflow, TLoss, PLoss };

const char* MathErrorKindName(MathErrorKind kind);
std::string NoticeText(const char* function, MathErrorKind kind);

double Log10(double x, const NoticeHandler& notices);
double Pow(double x, double y, const NoticeHandler& notices);
X StrictLog10(X x);

}  // namespace corvane
