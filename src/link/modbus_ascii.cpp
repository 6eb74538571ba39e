#include "link/modbus_ascii.h"

#include "core/hex_digit.h"
#include "link/messages.h"

namespace {

void appendHexByte(QByteArray& out, int value)
{
    static const char kDigits[] = "0123456789ABCDEF";
    out.append(kDigits[(value >> 4) & 0xF]);
    out.append(kDigits[value & 0xF]);
}

bool inRange(qint64 v, qint64 lo, qint64 hi) { return v >= lo && v <= hi; }

QByteArray requestText(qint64 slaveId, int function, qint64 word1, qint64 word2)
{
    QByteArray text;
    text.reserve(12);
    appendHexByte(text, static_cast<int>(slaveId));
    appendHexByte(text, function);
    appendHexByte(text, static_cast<int>(word1 >> 8));
    appendHexByte(text, static_cast<int>(word1 & 0xFF));
    appendHexByte(text, static_cast<int>(word2 >> 8));
    appendHexByte(text, static_cast<int>(word2 & 0xFF));
    return text;
}

// Two's complement of the byte sum.
int lrcOf(int byteSum) { return (256 - (byteSum & 0xFF)) & 0xFF; }

// The reply is framed: ":" first, CR LF last, only hexadecimal digits between, and an
// even number of them (whole bytes, the LRC the last one).
bool isFramed(const QByteArray& reply)
{
    const qsizetype n = reply.size();
    if (n < 5 || reply[0] != ':' || reply[n - 2] != '\r' || reply[n - 1] != '\n')
        return false;
    if ((n - 3) % 2 != 0)
        return false;
    for (qsizetype i = 1; i < n - 2; ++i)
        if (HexDigitValue(reply[i]) < 0)
            return false;
    return true;
}

} // namespace

QByteArray ReadRequestText(qint64 slaveId, qint64 startRegister, qint64 count)
{
    if (!inRange(slaveId, 0, 255) || !inRange(startRegister, 0, 65535) || !inRange(count, 0, 255))
        return {};
    return requestText(slaveId, 0x03, startRegister, count);
}

QByteArray WriteRequestText(qint64 slaveId, qint64 reg, qint64 value)
{
    if (!inRange(slaveId, 0, 255) || !inRange(reg, 0, 65535) || !inRange(value, 0, 65535))
        return {};
    return requestText(slaveId, 0x06, reg, value);
}

QByteArray CommandDDRequestText(qint64 slaveId)
{
    if (!inRange(slaveId, 0, 255))
        return {};
    return requestText(slaveId, 0xDD, 0, 0);
}

QByteArray BuildAsciiFrame(const QByteArray& requestText)
{
    if (requestText.isEmpty())
        return {};
    int sum = 0;
    // Pairs from the first character on; a last lone digit counts by itself.
    for (qsizetype i = 0; i < requestText.size(); i += 2) {
        const int hi = HexDigitValue(requestText[i]);
        if (hi < 0)
            return {};
        if (i + 1 < requestText.size()) {
            const int lo = HexDigitValue(requestText[i + 1]);
            if (lo < 0)
                return {};
            sum += hi * 16 + lo;
        } else {
            sum += hi;
        }
    }
    QByteArray frame;
    frame.reserve(requestText.size() + 5);
    frame.append(':');
    frame.append(requestText);
    appendHexByte(frame, lrcOf(sum));
    frame.append("\r\n");
    return frame;
}

int CheckLrc(const QByteArray& reply)
{
    if (!isFramed(reply))
        return 1;
    const qsizetype lrcPos = reply.size() - 4; // 0-based index of the first LRC digit
    int sum = 0;
    for (qsizetype i = 1; i < lrcPos; i += 2)
        sum += HexDigitValue(reply[i]) * 16 + HexDigitValue(reply[i + 1]);
    const int received = HexDigitValue(reply[lrcPos]) * 16 + HexDigitValue(reply[lrcPos + 1]);
    return received == lrcOf(sum) ? 0 : 1;
}

int ValidateReply(const QByteArray& reply, const ExpectedReply& expected)
{
    if (CheckLrc(reply) != 0)
        return kBadReply;
    // Framed and hexadecimal from here on, so every byte below is present.
    const int slave = ReplyByte(reply, 2).value_or(-1);
    const int function = ReplyByte(reply, 4).value_or(-1);
    if (slave != expected.slaveId)
        return kBadReply;
    if (function == (expected.function | 0x80)) {
        if (reply.size() != kExceptionReplyLength)
            return kBadReply;
        switch (ReplyByte(reply, 6).value_or(-1)) {
        case 0x01: return kIllegalFunction;
        case 0x02: return kIllegalDataAddress;
        default: return kDataError;
        }
    }
    if (function != expected.function || reply.size() != expected.length)
        return kBadReply;
    if (expected.echoRegister >= 0) {
        const int reg = ReplyByte(reply, 6).value_or(-1) * 256 + ReplyByte(reply, 8).value_or(-1);
        const int value = ReplyByte(reply, 10).value_or(-1) * 256 + ReplyByte(reply, 12).value_or(-1);
        if (reg != expected.echoRegister || value != expected.echoValue)
            return kBadReply;
    }
    return 0;
}

std::optional<char> ReplyChar(const QByteArray& reply, int position)
{
    if (position < 1 || position > reply.size())
        return std::nullopt;
    return reply[position - 1];
}

std::optional<QByteArray> ReplyChars(const QByteArray& reply, int position, int length)
{
    if (position < 1 || length < 0 || static_cast<qint64>(position) - 1 + length > reply.size())
        return std::nullopt;
    return reply.mid(position - 1, length);
}

std::optional<int> ReplyByte(const QByteArray& reply, int position)
{
    const std::optional<QByteArray> pair = ReplyChars(reply, position, 2);
    if (!pair)
        return std::nullopt;
    const int h = HexDigitValue(pair->at(0));
    const int l = HexDigitValue(pair->at(1));
    if (h < 0 || l < 0)
        return std::nullopt;
    return h * 16 + l;
}

namespace {
// 1-based position of register k's first character; nullopt for a k no reply can hold.
std::optional<int> registerPosition(int k)
{
    if (k < 0 || k > (kMaxReplyLength - 11) / 4)
        return std::nullopt;
    return 8 + 4 * k;
}
} // namespace

std::optional<int> ReplyRegisterHigh(const QByteArray& reply, int k)
{
    const std::optional<int> pos = registerPosition(k);
    return pos ? ReplyByte(reply, *pos) : std::nullopt;
}

std::optional<int> ReplyRegisterLow(const QByteArray& reply, int k)
{
    const std::optional<int> pos = registerPosition(k);
    return pos ? ReplyByte(reply, *pos + 2) : std::nullopt;
}

std::optional<int> ReplyRegister(const QByteArray& reply, int k)
{
    const std::optional<int> hi = ReplyRegisterHigh(reply, k);
    const std::optional<int> lo = ReplyRegisterLow(reply, k);
    if (!hi || !lo)
        return std::nullopt;
    return *hi * 256 + *lo;
}

std::optional<QByteArray> ReplyRegisterText(const QByteArray& reply, int k)
{
    const std::optional<int> pos = registerPosition(k);
    return pos ? ReplyChars(reply, *pos, 4) : std::nullopt;
}
