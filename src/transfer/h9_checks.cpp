#include "transfer/h9_checks.h"

namespace {

struct Limits {
    float minimum;
    float maximum;
    int decimals;
};

Limits limitsOf(quint8 kind, quint8 limitFlag)
{
    switch (kind) {
    case 0: return {1.0f, 999999.0f, 0};
    case 1: return {0.1f, 99999.9f, 1};
    case 2: return {0.01f, 9999.99f, 2};
    case 3: return {0.001f, limitFlag ? 99.999f : 999.999f, 3};
    case 4: return {0.0001f, 99.9999f, 4};
    case 5: return {0.0f, 9999.99f, 5};
    default: return {0.0f, 0.0f, kind};
    }
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

int CheckValue_H9(quint8 kind, quint8 limitFlag, const QString& text)
{
    // Only digits and points: a text the instrument could not be sent never passes.
    int digits = 0;
    int points = 0;
    for (QChar c : text) {
        if (isDigit(c))
            ++digits;
        else if (c == QLatin1Char('.'))
            ++points;
        else
            return 1;
    }
    if (digits == 0 || points > 1)
        return 1;

    const Limits lim = limitsOf(kind, limitFlag);
    bool ok = false;
    const float v = static_cast<float>(text.toDouble(&ok));
    if (!ok || v < lim.minimum || v > lim.maximum)
        return 1;
    if (points == 0)
        return 0;

    const qsizetype p = text.indexOf(QLatin1Char('.')) + 1; // 1-based position
    const qsizetype len = text.size();
    if (len - p <= lim.decimals)
        return 0;
    // Trailing zeros beyond the allowed decimals are harmless; any other digit is not.
    const QString fraction = text.mid(p);
    qsizetype n = fraction.size();
    while (n > 0 && fraction[n - 1] == QLatin1Char('0'))
        --n;
    return n > lim.decimals ? 1 : 0;
}
