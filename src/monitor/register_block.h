#pragma once
// What the monitor reads from the instrument: blocks of registers as the reply carries
// them, and the source that reads them (the link, or a table in tests).
#include <QByteArray>
#include <QtGlobal>

#include <optional>

// The data characters of one read: four hexadecimal characters per register, high
// byte first, exactly as the instrument sent them (its case included). Characters
// are numbered from 1: register k has its high byte at 4k + 1 and 4k + 2 and its low
// byte at 4k + 3 and 4k + 4 (reply positions 8 + 4k ... less 7).
class RegisterBlock {
public:
    RegisterBlock() = default;
    explicit RegisterBlock(QByteArray dataChars) : chars_(std::move(dataChars)) {}
    // The data part of a checked read reply of `count` registers.
    static RegisterBlock fromReply(const QByteArray& reply, int count);

    int registerCount() const { return static_cast<int>(chars_.size() / 4); }
    const QByteArray& chars() const { return chars_; }
    // Character n, or nullopt outside the block.
    std::optional<char> ch(int n) const;
    // Character n as a decimal digit; nullopt for any other character.
    std::optional<quint8> digit(int n) const;
    // Bytes and words of register k, read as hexadecimal; 0 where the block has none.
    int low(int k) const;
    int high(int k) const;
    int word(int k) const { return high(k) * 256 + low(k); }
    // The two characters of register k's low byte, as sent.
    QByteArray lowText(int k) const;

private:
    QByteArray chars_;
};

class RegisterSource {
public:
    virtual ~RegisterSource() = default;
    // Reads `count` registers from byte address `address`. Returns 0 with the block
    // filled, or the failure code of the read.
    virtual int read(int address, int count, RegisterBlock& block) = 0;
};

// The instrument behind the serial link: function 03 to the given slave. Failures are
// reported as the link reports them (a message and a closed port unless it is silent).
class LinkRegisterSource : public RegisterSource {
public:
    explicit LinkRegisterSource(qint32 slaveId) : slaveId_(slaveId) {}
    int read(int address, int count, RegisterBlock& block) override;

private:
    qint32 slaveId_;
};

// The result of a read the monitor could not decode: a value outside the table that
// gives it meaning. A poll ending with it has drawn what it could and counts as failed.
constexpr int kUndecodableValue = 12;
