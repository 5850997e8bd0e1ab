#pragma once

#include <QString>

// A number as text with a sign position: a blank before a non-negative number (" 300").
inline QString WithSignPosition(long long n) {
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}
