#pragma once
// The read forms the upload maps are built from: each sends its request(s) to
// nSlaveID, turns the reply into image characters and writes them into byUploadBuf.
// Reply characters are upper-cased before anything uses them, so an instrument that
// answers in lower case gives the same image as one that answers in upper case.
#include <QByteArray>

#include <optional>
#include <vector>

namespace upload_read {

// A value read that the map has no place for: its register and the four characters the
// register held (or the value the map took from them).
struct Refusal {
    int reg = 0;
    QByteArray chars;
};

// Records the map's refusal of what `reg` held and returns false, so a read form ends
// with it: `return refuse(reg, chars);`.
bool refuse(int reg, const QByteArray& chars4);
bool refuse(int reg, int value);
// The refusal of the upload under way, if any; cleared when an upload starts.
std::optional<Refusal>& lastRefusal();

// The four characters of each of `count` registers read at `reg`, upper case, high
// byte first. Nothing after a failed read (its message has been shown).
std::optional<std::vector<QByteArray>> registers(int reg, int count);

// The value of a register's low byte from its four characters.
int lowByte(const QByteArray& chars4);

// Writes `chars` into byUploadBuf from position `pos` on.
void put(int pos, const QByteArray& chars);

// Whether every character is "0" to "9".
bool allDecimal(const QByteArray& chars);

// One register's low byte as one image character ("0" to "9", "A" to "F") at `pos`;
// returns the byte's value. Nothing for a failed read or a value above 15, which one
// character cannot hold (refused).
std::optional<int> digit(int reg, int pos);

// Two registers at `reg`: the low byte of the second and all four characters of the
// first, six decimal digits at `pos`. These forms refuse what is not decimal digits.
bool sixDigits(int reg, int pos);

// One register: "00" and its four characters, six decimal digits at `pos`.
bool fourDigits(int reg, int pos);

// Two registers at `reg` and the sign register `signReg`: a set value that is
// negative when the sign register is not 0, "-" and five digits, else six digits.
bool signedSixDigits(int reg, int signReg, int pos);

// ReadBcdValue of `kind` at `reg`, put at `pos`; false when it returned "".
bool bcd(int reg, int kind, int pos);

} // namespace upload_read
