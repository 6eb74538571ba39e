#include "monitor/register_block.h"

#include "link/comm_records.h"
#include "link/link.h"
#include "monitor/monitor_state.h"
#include "platform/strings.h"

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

RegisterBlock RegisterBlock::fromReply(const QByteArray& reply, int count)
{
    return RegisterBlock(reply.mid(7, 4 * std::max(count, 0)));
}

RegisterBlock RegisterBlock::fromWords(std::initializer_list<quint16> words)
{
    QByteArray chars;
    for (quint16 w : words)
        chars += QByteArray::number(w, 16).rightJustified(4, '0').toUpper();
    return RegisterBlock(chars);
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

int RegisterBlock::low(int k) const
{
    const int h = hexValue(ch(4 * k + 3).value_or('x'));
    const int l = hexValue(ch(4 * k + 4).value_or('x'));
    return h < 0 || l < 0 ? 0 : h * 16 + l;
}

int RegisterBlock::high(int k) const
{
    const int h = hexValue(ch(4 * k + 1).value_or('x'));
    const int l = hexValue(ch(4 * k + 2).value_or('x'));
    return h < 0 || l < 0 ? 0 : h * 16 + l;
}

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

QString SummaryLine(int labelId, const QString& value)
{
    return platform::LoadResString(labelId) + QStringLiteral(" : ") + value + QLatin1String(kLineEnd);
}

QString SummaryNameLine(int nameId) { return platform::LoadResString(nameId) + QLatin1String(kLineEnd); }

QString SummaryTypeLine(const QString& modelName)
{
    return platform::LoadResString(294) + QStringLiteral(" : ") + modelName + QLatin1String(kLineEnd);
}

bool StartReads::read(int address, int count, RegisterBlock& block)
{
    if (!monitorState.bMonitoring)
        return false;
    const int code = source_.read(address, count, block);
    commState.nErrCode = code;
    return code == 0;
}

bool StartReads::readLow(int address, int& value)
{
    RegisterBlock block;
    if (!read(address, 1, block))
        return false;
    value = block.low(0);
    return true;
}
