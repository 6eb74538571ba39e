#pragma once
// gtest shows a QString as its text, not as its bytes.
#include <QString>
#include <ostream>
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
