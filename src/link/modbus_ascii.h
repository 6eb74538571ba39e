#pragma once
// Everything that is text on the line: the request texts, the frame around them, the
// LRC, the checks a reply passes before anything reads it, and the one accessor every
// decoder uses to take characters and bytes out of a reply.
//
// Frames and replies are bytes (QByteArray), never QString. Positions are 1-based: the
// ":" of a reply is position 1, register k of a read has its high byte at 8 + 4k and
// its low byte at 10 + 4k.
#include <QByteArray>

#include <optional>

// Request texts (twelve upper-case hexadecimal digits, no frame). An argument outside
// its range (slave ID 0-255, register and value 0-65535) gives an empty text.
QByteArray ReadRequestText(qint64 slaveId, qint64 startRegister, qint64 count);
QByteArray WriteRequestText(qint64 slaveId, qint64 reg, qint64 value);
QByteArray CommandDDRequestText(qint64 slaveId);

// ":" + text + LRC + CR LF. Returns "" when the text holds a character that is not a
// hexadecimal digit (or is empty).
QByteArray BuildAsciiFrame(const QByteArray& requestText);

// 1 when the reply's LRC does not match its content or the reply is not a framed text
// (":" first, CR LF last, an odd number of hexadecimal digits between); 0 when it matches.
int CheckLrc(const QByteArray& reply);

// What a reply must answer. A read of n registers expects function 03 and 4n + 11
// characters, a write expects function 06 and the 17-character echo of its register
// and value: anything else (an echo of another write, arriving late) is no answer.
struct ExpectedReply {
    int slaveId = 0;
    int function = 0x03;
    int length = 15;
    int echoRegister = -1;
    int echoValue = -1;

    static ExpectedReply forRead(int slaveId, int registerCount)
    {
        return {slaveId, 0x03, 4 * registerCount + 11};
    }
    static ExpectedReply forWrite(int slaveId, int reg, int value) { return {slaveId, 0x06, 17, reg, value}; }
};

// An exception reply: ":", slave, function + 0x80, exception code, LRC, CR LF. No
// answer of an instrument is shorter.
constexpr int kExceptionReplyLength = 11;

// The whole reply check, as the reply wait applies it: 0 a normal reply of the expected
// slave, function and length with a good LRC (and for a write, its own echo);
// kIllegalFunction, kIllegalDataAddress or kDataError an exception reply (11 characters,
// the request's slave, function + 0x80) with exception code 01, 02 or any other;
// kBadReply anything else.
int ValidateReply(const QByteArray& reply, const ExpectedReply& expected);

// The longest text a Modbus ASCII frame may have; a reply growing past it is refused.
constexpr int kMaxReplyLength = 513;

// --- Reading a reply -------------------------------------------------------------
// Every decoder reads a reply through these; positions are 1-based and every access is
// bounds-checked, so a short or malformed reply can never be read past its end.

// The character at `position`, or nullopt outside the reply.
std::optional<char> ReplyChar(const QByteArray& reply, int position);
// `length` characters from `position`, or nullopt unless all of them are inside.
std::optional<QByteArray> ReplyChars(const QByteArray& reply, int position, int length);
// The value of the two hexadecimal digits at `position` and `position + 1` (upper or
// lower case), or nullopt when they are outside the reply or not hexadecimal.
std::optional<int> ReplyByte(const QByteArray& reply, int position);

// Register k (k = 0 the start register) of a read reply: its high byte, low byte, the
// whole register, and its four characters as sent (high byte first).
std::optional<int> ReplyRegisterHigh(const QByteArray& reply, int k);
std::optional<int> ReplyRegisterLow(const QByteArray& reply, int k);
std::optional<int> ReplyRegister(const QByteArray& reply, int k);
std::optional<QByteArray> ReplyRegisterText(const QByteArray& reply, int k);
