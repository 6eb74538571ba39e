#include "monitor/register_block.h"

#include "link/comm_records.h"
#include "link/link.h"
#include "link/modbus_ascii.h"

RegisterBlock RegisterBlock::fromReply(const QByteArray& reply, int count)
{
    return RegisterBlock(reply.mid(7, 4 * std::max(count, 0)));
}

std::optional<char> RegisterBlock::ch(int n) const
{
    if (n < 1 || n > chars_.size())
        return std::nullopt;
    return chars_[n - 1];
}

std::optional<quint8> RegisterBlock::digit(int n) const
{
    const std::optional<char> c = ch(n);
    if (!c || *c < '0' || *c > '9')
        return std::nullopt;
    return static_cast<quint8>(*c - '0');
}

int RegisterBlock::low(int k) const { return ReplyByte(chars_, 4 * k + 3).value_or(0); }

int RegisterBlock::high(int k) const { return ReplyByte(chars_, 4 * k + 1).value_or(0); }

QByteArray RegisterBlock::lowText(int k) const { return chars_.mid(4 * k + 2, 2); }

int LinkRegisterSource::read(int address, int count, RegisterBlock& block)
{
    QByteArray reply;
    const int code = ReadHoldingRegisters(slaveId_, address, static_cast<quint8>(count), reply,
                                          commSettings.nCommProtocol);
    if (code == 0)
        block = RegisterBlock::fromReply(reply, count);
    return code;
}
