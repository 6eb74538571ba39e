#pragma once
// The transfer tests against the simulated instrument on a pty: the program's COM1 is
// the simulator's terminal, time runs on a fake clock (reply waits in real time, the
// download's fixed pauses at once), every box is recorded, and the request log of the
// simulator together with the pauses gives the exact trace of a job.
#include "h9_fixture.h"

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
#include <string>
#include <vector>

namespace simtx {

using Trace = std::vector<std::string>;

inline std::string R(int reg) { return "R" + std::to_string(reg); }
inline std::string W(int reg, int value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "W%d=%04X", reg, value);
    return buf;
}
inline const std::string DD = "DD";
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
            if (r.function == 0x03)
                out.push_back(r.countOrValue == 1 ? R(r.address) : R(r.address) + "x" + std::to_string(r.countOrValue));
            else if (r.function == 0x06)
                out.push_back(W(r.address, r.countOrValue));
            else if (r.function == 0xDD)
                out.push_back(DD);
            else
                out.push_back("?" + r.raw);
        }
        return out;
    }

    // The identification every H9 download starts with.
    static Trace identification() { return {R(kRegFamily1), R(kRegFamily2), R(kRegDeviceType), W(kRegBegin_H9, 0)}; }
    // The ending of every successful download after the system-flag registers.
    static Trace ending(int keyProtect)
    {
        return {W(kRegEnd_H9, 1), WAIT(8000), DD, WAIT(4000), W(kRegKeyProtect_H9, keyProtect)};
    }

    static Trace join(std::initializer_list<Trace> parts)
    {
        Trace out;
        for (const Trace& t : parts)
            out.insert(out.end(), t.begin(), t.end());
        return out;
    }

    void presetSysFlags(std::initializer_list<int> bytes)
    {
        int a = kRegSysFlags_H9;
        for (int b : bytes)
            instrument.poke(a++, static_cast<std::uint8_t>(b));
    }
    static Trace sysFlagReads()
    {
        return {R(kRegSysFlags_H9), R(kRegSysFlags_H9 + 1), R(kRegSysFlags_H9 + 2),
                R(kRegSysFlags_H9 + 3), R(kRegSysFlags_H9 + 4), R(kRegSysFlags_H9 + 5)};
    }

    testsupport::RecordingShell shell;
    TracingClock clock;
    platform::ScopedClock scopedClock{&clock};
    RecordingBoxes boxes;
    sim::Instrument instrument;
};

} // namespace simtx
