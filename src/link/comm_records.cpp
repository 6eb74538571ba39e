#include "link/comm_records.h"

#include "core/machine_type.h"
#include "core/monitor_state.h"
#include "core/shell.h"

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

void SetStartValues()
{
    commSettings.nCommPort = 1;
    bMacTypeSelOK = false;
    monitorState.bMonitoring = false;
    commState.bSilentComm = 0;
    commSettings.nBaudIndex = 3;
    commSettings.nParityIndex = 0;
    commSettings.nDataBitsIndex = 1;
    commSettings.nStopBitsIndex = 0;
    commSettings.nCommProtocol = 0;
    commSettings.nSlaveID = 1;
    core::shell().bMonitorUnload = false;
    commSettings.nTimeOut = 1000;
    commSettings.nCommDelay = 0;
    logSettings.nLogRateSec = 1;
    logSettings.nLogRateMin = 0;
    logSettings.bLogErrors = false;
    logSettings.nLogDelimIdx = 0;
    commSettings.bAutoIdMode = 0;
    commSettings.sCommSettingsText = ComposeCommSettingsText(commSettings);
}
