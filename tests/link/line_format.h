#pragma once
// A pseudo-terminal that keeps every line format. The kernel's ptys always keep 8 data
// bits and no parity, and the C library refuses a tcsetattr that asks for anything
// else on one, so over a plain pty the program could not even open with 7 bits or a
// parity. While a UartLikeTerminals object lives, tcsetattr and tcgetattr on a pty
// (in this process, the program's serial port included) keep the asked-for data bits
// and parity enable beside the terminal, as a UART's driver would.
#include <termios.h>

namespace linktest {

class UartLikeTerminals {
public:
    UartLikeTerminals();
    ~UartLikeTerminals();
    UartLikeTerminals(const UartLikeTerminals&) = delete;
    UartLikeTerminals& operator=(const UartLikeTerminals&) = delete;
};

} // namespace linktest
