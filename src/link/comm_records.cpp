#include "link/comm_records.h"

#include <array>

CommSettings commSettings;
CommState commState;

namespace {
constexpr std::array<const char*, 9> kBaudTexts = {"1200", "2400", "4800", "9600", "14400",
                                                  "19200", "28800", "38400", "57600"};
constexpr std::array<const char*, 3> kParityLetters = {"N", "O", "E"};
constexpr std::array<const char*, 2> kDataBits = {"7", "8"};
constexpr std::array<const char*, 2> kStopBits = {"1", "2"};

template <std::size_t N>
const char* pick(const std::array<const char*, N>& table, qint64 index)
{
    return index >= 0 && index < static_cast<qint64>(N) ? table[static_cast<std::size_t>(index)] : "";
}
} // namespace

QString ComposeCommSettingsText(const CommSettings& s)
{
    return QStringLiteral("%1 , %2 , %3 , %4")
        .arg(pick(kBaudTexts, s.nBaudIndex), pick(kParityLetters, s.nParityIndex),
             pick(kDataBits, s.nDataBitsIndex), pick(kStopBits, s.nStopBitsIndex));
}
