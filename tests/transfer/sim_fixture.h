#pragma once
// The transfer tests against the simulated instrument on a pty: the program's COM1 is
// the simulator's terminal, time runs on a fake clock (reply waits in real time, the
// download's fixed pauses at once), every box is recorded, and the request log of the
// simulator together with the pauses gives the exact trace of a job.
#include "h9_fixture.h"
#include "request_text.h"

#include "core/common_registers.h"
#include "core/h9_registers.h"
#include "core/machine_type.h"
#include "core/shell.h"
#include "instrument_sim.h"
#include "link/comm_records.h"
#include "link/frmCommSetup.h"
#include "link/link.h"
#include "link/mscomm.h"
#include "platform/clock.h"
#include "support/link_support.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"

#include <QCoreApplication>
#include <QEvent>

#include <chrono>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace simtx {

using Trace = std::vector<std::string>;

inline std::string R(int reg) { return simtext::requestText(0x03, reg, 1); }
inline std::string W(int reg, int value) { return simtext::requestText(0x06, reg, value); }
inline const std::string DD = simtext::requestText(0xDD, 0, 0);
inline std::string WAIT(int ms) { return "wait" + std::to_string(ms); }

// A fake clock that notes every timed pause with the number of requests the
// simulator had received by then.
class TracingClock : public platform::FakeClock {
public:
    struct Pause { qint64 ms; std::size_t requestsBefore; };

    bool waitUntil(qint64 deadline, const std::function<bool()>& done, bool excludeUserInput) override
    {
        if (!done && instrument) {
            const qint64 ms = deadline - tickMs();
            // A request sent just before the pause (the one-way 0xDD) may still be on its
            // way through the pty: give it a moment to arrive.
            std::size_t n = instrument->requests().size();
            if (instrument->waitForRequests(n + 1, std::chrono::milliseconds(150)))
                n = instrument->requests().size();
            pauses.push_back({ms, n});
            if (onPause)
                onPause(ms);
        }
        return FakeClock::waitUntil(deadline, done, excludeUserInput);
    }

    sim::Instrument* instrument = nullptr;
    std::vector<Pause> pauses;
    std::function<void(qint64 ms)> onPause;
};

// Boxes, with whether the port was open and what panel 4 said when each came up.
class RecordingBoxes : public testsupport::ScriptedMessages {
public:
    platform::MsgResult present(const platform::MessageBoxRequest& request) override
    {
        portOpenAtBox.push_back(CommControl().PortOpen());
        if (onBox)
            onBox(request);
        return ScriptedMessages::present(request);
    }
    std::vector<bool> portOpenAtBox;
    std::function<void(const platform::MessageBoxRequest&)> onBox;
};

inline bool portOpen() { return CommControl().PortOpen(); }
inline QString panel4() { return core::shell().PanelText(4); }

class SimTest : public h9test::H9Test {
protected:
    explicit SimTest(sim::Type type = sim::Type::H9) : instrument(type, 1) {}

    void SetUp() override
    {
        h9test::H9Test::SetUp();
        instrument.start();
        qputenv("TCPANEL_COM1", QByteArray::fromStdString(instrument.path()));
        SetStartValues();
        commState = CommState{};
        commSettings.nTimeOut = 300;
        nMacType = kMacTypeH9;
        clock.instrument = &instrument;
        boxes.autoAcknowledgeOk();
        core::shell().setPanelText(4, QString());
    }

    void TearDown() override
    {
        testsupport::closeLink();
        instrument.stop();
        qunsetenv("TCPANEL_COM1");
        h9test::H9Test::TearDown();
    }

    // The requests the simulator received, with the pauses where they came.
    Trace trace() const
    {
        const std::vector<sim::Request> reqs = instrument.requests();
        Trace out;
        std::size_t p = 0;
        for (std::size_t i = 0; i <= reqs.size(); ++i) {
            for (; p < clock.pauses.size() && clock.pauses[p].requestsBefore == i; ++p) {
                // The pause is measured a moment after it was asked for.
                const qint64 ms = clock.pauses[p].ms;
                out.push_back(WAIT(ms >= 3990 && ms <= 4000 ? 4000 : ms >= 7990 && ms <= 8000 ? 8000 : int(ms)));
            }
            if (i == reqs.size())
                break;
            const sim::Request& r = reqs[i];
            out.push_back(simtext::requestText(r.function, r.address, r.countOrValue));
        }
        return out;
    }

    // The ending of every successful download after the system-flag registers.
    static Trace ending(int keyProtect) { return {W(1280, 1), WAIT(8000), DD, WAIT(4000), W(1278, keyProtect)}; }

    // Compares the trace with `expected`, written as the trace prints its requests and laid
    // out a line per block; "R1114-1119" stands for one read of every byte address from
    // 1114 to 1119. The trace is laid out in the same lines, so a failure shows the block.
    void expectTrace(const std::vector<std::string>& expected) const
    {
        const Trace got = trace();
        std::string g, w;
        std::size_t i = 0;
        for (const std::string& line : expected) {
            std::istringstream in(line);
            for (std::string t; in >> t;) {
                int first = 0, last = 0;
                const bool range = std::sscanf(t.c_str(), "R%d-%d", &first, &last) == 2;
                for (int a = first; a <= (range ? last : first); ++a) {
                    w += (range ? R(a) : t) + ' ';
                    g += i < got.size() ? got[i++] + ' ' : "";
                }
            }
            w += '\n';
            g += '\n';
        }
        for (; i < got.size(); ++i)
            g += got[i] + ' ';
        EXPECT_EQ(g, w);
    }
    void clearTrace()
    {
        instrument.clearRequests();
        clock.pauses.clear();
    }

    void presetSysFlags(std::initializer_list<int> bytes)
    {
        int a = 1780;
        for (int b : bytes)
            instrument.poke(a++, static_cast<std::uint8_t>(b));
    }

    // One set per function mode 0 to 6, every option unlike its neighbours and every row
    // six different digits unlike the other rows, so that a field sent to another register
    // or two fields swapped change what the instrument receives.
    void setH9(int mode)
    {
        using enum H9Row;
        testsupport::resetH9Params();
        TimerCounterParamsH9& p = timerCounterParamsH9;
        const auto common = [&p](int width, int input, int powerSaving, int keyProtect) {
            p.nSGWidth_H9 = static_cast<quint8>(width);
            p.nInputMethod_H9 = static_cast<quint8>(input);
            p.bPowerSaving_H9 = static_cast<quint8>(powerSaving);
            bKeyProtect = static_cast<quint8>(keyProtect);
        };
        p.nFuncType_H9 = mode >= 2;
        p.nDualFunc_H9 = mode == 6 ? 2 : mode == 5 ? 0 : mode >= 2;
        switch (mode) {
        case 0: // timer in minutes down (time code 5), counter down with one decimal
            p.nTimeRangeA_H9 = 2, p.nCountDirectionA_H9 = 1, p.nOutputModeA_H9 = 6;
            p.nMaxFreqB_H9 = 2, p.nDotAdjB_H9 = 1, p.nCountInputModeB_H9 = 4, p.nOutputModeB_H9 = 11;
            rows[lblTimerSettingA].setDigits("123456");
            rows[lblHoldTimeA].setDigits("654321");
            rows[lblCounterSettingB].setDigits("987654");
            rows[lblHoldCounterB].setDigits("102938");
            rows[lblMagnificationB].setDigits("024680");
            return common(1, 0, 1, 1);
        case 1: // timer in 0.01 s down (time code 1), tachometer
            p.nFuncB_H9 = 1, p.nCountDirectionA_H9 = 1, p.nOutputModeA_H9 = 3;
            p.nOutputModeB_F_H9 = 1, p.nSampleAvgB_F_H9 = 3, p.nMaxFreqB_F_H9 = 2, p.nDotAdjB_F_H9 = 0;
            rows[lblTimerSettingA].setDigits("315926");
            rows[lblHoldTimeA].setDigits("847302");
            rows[lblCounterSettingB_F].setDigits("561207");
            rows[lblHoldCounterB_F].setDigits("097531");
            rows[lblMagnificationB_F].setDigits("013579");
            return common(0, 1, 1, 0);
        case 2: // counter and total counter; the second counts up
            p.nDualCounterMode_H9 = 0, p.nOutputMode_C_Dual_0_H9 = 1;
            p.nCountInputMode_C_Dual_1_H9 = 6, p.nMaxFreq_C_Dual_1_H9 = 3, p.nOutputMode_C_Dual_1_H9 = 9;
            rows[lblCounterSetting_C_Dual_0].setDigits("246801");
            rows[lblHoldCounter_C_Dual_0].setDigits("570913");
            rows[lblCounterSetting_C_Dual_1].setDigits("682410");
            rows[lblHoldCounter_C_Dual_1].setDigits("391562");
            return common(1, 0, 0, 1);
        case 3: // counter and batch counter (output K-2); the second counts down
            p.nDualCounterMode_H9 = 1, p.nOutputMode_C_Dual_0_H9 = 0;
            p.nCountInputMode_C_Dual_1_H9 = 3, p.nMaxFreq_C_Dual_1_H9 = 2, p.nOutputMode_C_Dual_1_H9 = 10;
            rows[lblCounterSetting_C_Dual_0].setDigits("753186");
            rows[lblHoldCounter_C_Dual_0].setDigits("204968");
            rows[lblCounterSetting_C_Dual_1].setDigits("419027");
            rows[lblHoldCounter_C_Dual_1].setDigits("860135");
            return common(0, 1, 0, 0);
        case 4: // two counters; the second counts down
            p.nDualCounterMode_H9 = 2, p.nOutputMode_C_Dual_0_H9 = 1;
            p.nCountInputMode_C_Dual_1_H9 = 7, p.nMaxFreq_C_Dual_1_H9 = 1, p.nOutputMode_C_Dual_1_H9 = 5;
            rows[lblCounterSetting_C_Dual_0].setDigits("098765");
            rows[lblHoldCounter_C_Dual_0].setDigits("162534");
            rows[lblCounterSetting_C_Dual_1].setDigits("527384");
            rows[lblHoldCounter_C_Dual_1].setDigits("743920");
            return common(1, 0, 1, 1);
        case 5: // 2-stage timer
            p.nOutputMode_T_Dual_0_H9 = 0, p.nOutputMode_T_Dual_1_H9 = 1;
            rows[lblTimerSetting_T_Dual_0].setDigits("135246");
            rows[lblTimerSetting_T_Dual_1].setDigits("642153");
            rows[lblHoldTime_T_Dual_0].setDigits("908172");
            rows[lblHoldTime_T_Dual_1].setDigits("071829");
            return common(1, 1, 0, 0);
        default: // dual tachometer
            p.nOutputModeA_Dual_F_H9 = 0, p.nOutputModeB_Dual_F_H9 = 1;
            p.nMaxFreqB_Dual_F_H9 = 3, p.nSampleAvgB_Dual_F_H9 = 2;
            rows[lblCounterSettingA_Dual_F].setDigits("481526");
            rows[lblCounterSettingB_Dual_F].setDigits("259037");
            rows[lblHoldCounterB_Dual_F].setDigits("360418");
            return common(0, 1, 1, 1);
        }
    }

    testsupport::RecordingShell shell;
    TracingClock clock;
    platform::ScopedClock scopedClock{&clock};
    RecordingBoxes boxes;
    sim::Instrument instrument;
};

} // namespace simtx
