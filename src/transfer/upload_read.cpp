#include "transfer/upload_read.h"

#include "core/settings_buffers.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/modbus_ascii.h"
#include "transfer/upload.h"

#include <stdexcept>

namespace upload_read {

std::optional<Refusal>& lastRefusal()
{
    static std::optional<Refusal> refusal;
    return refusal;
}

bool refuse(int reg, const QByteArray& chars4)
{
    lastRefusal() = Refusal{reg, chars4};
    return false;
}

bool refuse(int reg, int value) { return refuse(reg, QByteArray::number(value, 16).toUpper().rightJustified(4, '0')); }

namespace {

// The register of a pair read at `reg` whose characters are not all digits: the low
// part comes from `reg`, the high part from the register after it.
bool refuseDigits(int reg, const std::vector<QByteArray>& regs, const QByteArray& lowPart)
{
    return allDecimal(lowPart) ? refuse(reg + 2, regs[1]) : refuse(reg, regs[0]);
}

} // namespace

std::optional<std::vector<QByteArray>> registers(int reg, int count)
{
    QByteArray reply;
    commState.nErrCode = ReadHoldingRegisters(commSettings.nSlaveID, reg, static_cast<quint8>(count),
                                              reply, commSettings.nCommProtocol);
    if (commState.nErrCode != 0)
        return std::nullopt;
    std::vector<QByteArray> regs;
    for (int k = 0; k < count; ++k) {
        const std::optional<QByteArray> chars = ReplyRegisterText(reply, k);
        if (!chars)
            return std::nullopt;
        regs.push_back(chars->toUpper());
    }
    return regs;
}

int lowByte(const QByteArray& chars4)
{
    bool ok = false;
    const int v = chars4.mid(2, 2).toInt(&ok, 16);
    return ok ? v : -1;
}

void put(int pos, const QByteArray& chars)
{
    if (pos < 0 || pos + chars.size() > byUploadBuf.size())
        throw std::out_of_range("upload image position");
    for (int i = 0; i < chars.size(); ++i)
        byUploadBuf[pos + i] = chars[i];
}

bool allDecimal(const QByteArray& chars)
{
    for (char c : chars)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::optional<int> digit(int reg, int pos)
{
    const auto regs = registers(reg, 1);
    if (!regs)
        return std::nullopt;
    // The whole low byte is the value: one that a single character cannot hold is
    // refused rather than cut to its last hexadecimal digit.
    const int v = lowByte((*regs)[0]);
    if (v < 0 || v > 15) {
        refuse(reg, (*regs)[0]);
        return std::nullopt;
    }
    put(pos, QByteArray(1, "0123456789ABCDEF"[v]));
    return v;
}

bool sixDigits(int reg, int pos)
{
    const auto regs = registers(reg, 2);
    if (!regs)
        return false;
    const QByteArray chars = (*regs)[1].mid(2, 2) + (*regs)[0];
    if (!allDecimal(chars))
        return refuseDigits(reg, *regs, (*regs)[0]);
    put(pos, chars);
    return true;
}

bool fourDigits(int reg, int pos)
{
    const auto regs = registers(reg, 1);
    if (!regs)
        return false;
    if (!allDecimal((*regs)[0]))
        return refuse(reg, (*regs)[0]);
    put(pos, "00" + (*regs)[0]);
    return true;
}

bool signedSixDigits(int reg, int signReg, int pos)
{
    const auto regs = registers(reg, 2);
    if (!regs)
        return false;
    const auto sign = registers(signReg, 1);
    if (!sign)
        return false;
    // The sign register is read as a decimal number up to its first other character.
    int signValue = 0;
    for (char c : (*sign)[0]) {
        if (c < '0' || c > '9')
            break;
        signValue = signValue * 10 + (c - '0');
    }
    const QByteArray digits = signValue != 0 ? (*regs)[1].right(1) + (*regs)[0]
                                             : (*regs)[1].mid(2, 2) + (*regs)[0];
    if (!allDecimal(digits))
        return refuseDigits(reg, *regs, (*regs)[0]);
    put(pos, signValue != 0 ? "-" + digits : digits);
    return true;
}

bool bcd(int reg, int kind, int pos)
{
    const QByteArray text = ReadBcdValue(commSettings.nSlaveID, reg, kind);
    if (text.isEmpty())
        return false;
    put(pos, text);
    return true;
}

} // namespace upload_read
