#include "transfer/register_image.h"

#include <stdexcept>

RegImageH9 RegImage_H9;

RegBlock::RegBlock(int lb, int ub, quint8 fillValue, bool fillFlag)
    : lb_(lb), ub_(ub), fillValue_(fillValue), fillFlag_(fillFlag),
      values_(static_cast<std::size_t>(ub - lb + 1), 0), flags_(static_cast<std::size_t>(ub - lb + 1), false)
{
}

std::size_t RegBlock::index(int addr) const
{
    if (addr < lb_ || addr > ub_)
        throw std::out_of_range("register image address " + std::to_string(addr) + " outside "
                                + std::to_string(lb_) + ".." + std::to_string(ub_));
    return static_cast<std::size_t>(addr - lb_);
}

quint8 RegBlock::byReg(int addr) const { return values_[index(addr)]; }
void RegBlock::setByReg(int addr, quint8 value) { values_[index(addr)] = value; }
bool RegBlock::bRegFlag(int addr) const { return flags_[index(addr)]; }
void RegBlock::setRegFlag(int addr, bool flag) { flags_[index(addr)] = flag; }

void RegBlock::Clear()
{
    std::fill(values_.begin(), values_.end(), fillValue_);
    std::fill(flags_.begin(), flags_.end(), fillFlag_);
}

void RegBlock::PutSetting(int n, quint8 setting)
{
    index(n + 1); // both bytes must lie in the block before either is touched
    setByReg(n, setting);
    setByReg(n + 1, 0);
    setRegFlag(n, true);
    setRegFlag(n + 1, true);
}

bool RegBlock::PutDigits(int n, const QString& digits8)
{
    if (digits8.size() != 8)
        return false;
    for (QChar c : digits8)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    index(n + 3);
    // Each pair of decimal digits is one BCD byte; the last pair is the lowest byte.
    for (int k = 0; k < 4; ++k) {
        const int pos = 6 - 2 * k;
        const int hi = digits8[pos].digitValue();
        const int lo = digits8[pos + 1].digitValue();
        setByReg(n + k, static_cast<quint8>(hi * 16 + lo));
        setRegFlag(n + k, true);
    }
    return true;
}

int RegBlock::Word(int n) const { return byReg(n) + 256 * byReg(n + 1); }

std::vector<int> RegBlock::WalkRegisters() const
{
    std::vector<int> regs;
    for (int n = lb_; n + 1 <= ub_; n += 2)
        regs.push_back(n);
    return regs;
}

int RegBlock::WriteFlaggedWords(const std::function<int(int reg, int value)>& write) const
{
    for (int n : WalkRegisters()) {
        // Only the flag of the even address decides; encoders flag both bytes.
        if (!bRegFlag(n))
            continue;
        if (const int code = write(n, Word(n)))
            return code;
    }
    return 0;
}

void RegImageH9::Reset() { *this = RegImageH9{}; }

namespace {

bool allDigits(const QString& s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// The whole number of a text of digits written with at least `width` digits; an
// empty digit text counts as 0. Empty result when it would need more than `maxWidth`.
QString zeroPadded(const QString& digits, int width, int maxWidth)
{
    QString t = digits;
    while (t.size() > 1 && t.front() == QLatin1Char('0'))
        t.remove(0, 1);
    if (t.isEmpty())
        t = QStringLiteral("0");
    if (t.size() > maxWidth)
        return {};
    return t.rightJustified(width, QLatin1Char('0'));
}

} // namespace

QString DigitRowText(const QString& rowText, int decimals)
{
    if (decimals < 0 || decimals > 6 || rowText.size() < 6)
        return {};
    QString text = rowText.left(6);
    if (!allDigits(text))
        return {};
    if (decimals > 0)
        text = text.left(6 - decimals) + QLatin1Char('.') + text.right(decimals);
    return text;
}

QString FormatValueDigits(quint8 flag, const QString& text, int kind)
{
    const QString t = text.trimmed();
    if (flag != 1) {
        if (t.isEmpty() || !allDigits(t))
            return {};
        return zeroPadded(t, 8, 8);
    }
    const qsizetype dot = t.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        if (t.isEmpty() || !allDigits(t))
            return {};
        const QString integer = zeroPadded(t, 4, 4);
        return integer.isEmpty() ? QString() : integer + QStringLiteral("0000");
    }
    const QString intPart = t.left(dot);
    QString fraction = t.mid(dot + 1);
    if (!allDigits(intPart) || !allDigits(fraction) || (intPart.isEmpty() && fraction.isEmpty()))
        return {};
    if (fraction.isEmpty())
        fraction = QStringLiteral("0");
    const QString integer = zeroPadded(intPart, 4, 4);
    if (integer.isEmpty())
        return {};
    switch (kind) {
    case 2:
        if (fraction.size() == 1)
            fraction += QLatin1Char('0');
        return integer + QStringLiteral("00") + fraction.left(2);
    case 3:
        return integer + QLatin1Char('0') + fraction.left(3).leftJustified(3, QLatin1Char('0'));
    default:
        return integer + fraction;
    }
}

QString PlainDigits(const QString& six)
{
    if (six.size() != 6 || !allDigits(six))
        return {};
    return QStringLiteral("00") + six;
}

QString SplitDigits(const QString& six)
{
    if (six.size() != 6 || !allDigits(six))
        return {};
    return six.left(4) + QStringLiteral("00") + six.right(2);
}
