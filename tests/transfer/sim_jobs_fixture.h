#pragma once
// Transfers against the simulated instrument on a pty: COM1 points at the instrument,
// a fake clock makes the download's 8 s and 4 s pauses free, message boxes are
// recorded and acknowledged, and jobs run through the program's own transfer window.
#include "instrument_sim.h"

#include "core/machine_type.h"
#include "core/shell.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/comm_records.h"
#include "link/frmCommSetup.h"
#include "link/link.h"
#include "link/mscomm.h"
#include "platform/clock.h"
#include "platform/strings.h"
#include "support/deferred_delete.h"
#include "support/link_support.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"
#include "support/windows.h"
#include "transfer/frmWriteProcess1.h"
#include "transfer/transfer_jobs.h"

#include "request_text.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace simtest {

// A request as the tests look at it: function, address and count or value.
struct Req {
    int function;
    int address;
    int value;
    bool operator==(const Req&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Req& r)
{
    return os << "{" << std::hex << r.function << " " << std::dec << r.address << " 0x" << std::hex << r.value
              << std::dec << "}";
}

inline Req rd(int address, int count = 1) { return {0x03, address, count}; }
inline Req wr(int address, int value) { return {0x06, address, value}; }
inline Req dd() { return {0xDD, 0, 0}; }

using testsupport::dropDeferredDeletes;

// One function mode of one type, for the tests that run every mode of every type.
struct TypeMode {
    sim::Type type;
    int macType;
    int mode;
    const char* typeText;
};

inline std::vector<TypeMode> everyTypeAndMode()
{
    std::vector<TypeMode> cases;
    for (int m = 0; m <= 6; ++m)
        cases.push_back({sim::Type::H9, kMacTypeH9, m, "H9"});
    for (int m = 0; m <= 2; ++m)
        cases.push_back({sim::Type::H5, kMacTypeH5, m, "H5"});
    for (int m = 3; m <= 8; ++m)
        cases.push_back({sim::Type::H7, kMacTypeH7, m, "H7"});
    for (int m = 0; m <= 8; ++m)
        cases.push_back({sim::Type::H8, kMacTypeH8, m, "H8"});
    return cases;
}

// The test log names a case by its type and mode, not by its bytes.
inline void PrintTo(const TypeMode& c, std::ostream* os) { *os << c.typeText << " mode " << c.mode; }

inline std::string typeModeName(const ::testing::TestParamInfo<TypeMode>& info)
{
    return std::string(info.param.typeText) + "_mode" + std::to_string(info.param.mode);
}

class SimTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        SetStartValues();
        commState = CommState{};
        commSettings.nTimeOut = 300;
        boxes.autoAcknowledgeOk();
    }

    void TearDown() override
    {
        testsupport::closeEditorWindows();
        testsupport::closeLink();
        if (instrument)
            instrument->stop();
        ::unsetenv("TCPANEL_COM1");
        commState = CommState{}; // a failed exchange leaves its code behind
    }

    sim::Instrument& start(sim::Type type, int mode = 0)
    {
        instrument = std::make_unique<sim::Instrument>(type, 1, mode);
        instrument->start();
        ::setenv("TCPANEL_COM1", instrument->path().c_str(), 1);
        return *instrument;
    }

    // Ends everything of the test so far and starts a fresh instrument.
    sim::Instrument& restart(sim::Type type, int mode = 0)
    {
        TearDown();
        return start(type, mode);
    }

    // Runs job 0 upload, 1 download or 2 compare in the transfer window (the download
    // kind by its value too); returns the outcome text of status panel 4.
    QString runJob(int job, int downloadKind = 0)
    {
        core::shell().nUpDownCompare = static_cast<TransferJob>(job);
        nDownloadKind = static_cast<DownloadKind>(downloadKind);
        frmWriteProcess1::ShowModal();
        dropDeferredDeletes();
        return panel4();
    }

    QString panel4() const { return core::shell().PanelText(4); }

    // Waits until the instrument has logged `n` requests: the one-way 0xDD request may
    // still be on its way through the pty when the job has ended.
    bool settle(std::size_t n) const { return instrument->waitForRequests(n, std::chrono::seconds(2)); }
    // Waits until the log holds a 0xDD request: the one that ends an H5 or H7 download
    // may reach it after the job has ended.
    bool settleDD() const
    {
        for (;;) {
            const std::vector<sim::Request> log = instrument->requests();
            if (std::any_of(log.begin(), log.end(), [](const sim::Request& r) { return r.function == 0xDD; }))
                return true;
            if (!settle(log.size() + 1))
                return false;
        }
    }

    // The requests the instrument has seen since the last clear.
    std::vector<Req> requests() const
    {
        std::vector<Req> out;
        for (const sim::Request& r : instrument->requests())
            out.push_back({r.function, r.address, r.countOrValue});
        return out;
    }
    // The same as one line, each request as simtext::requestText writes it; single reads of
    // consecutive bytes as "R1088-1093".
    std::string trace() const
    {
        std::string out;
        int first = 0, last = -9;
        for (const Req& r : requests()) {
            const bool single = r.function == 0x03 && r.value == 1;
            if (single && r.address == last + 1) {
                out.resize(out.rfind(' ', out.size() - 2) + 1);
                out += "R" + std::to_string(first) + "-" + std::to_string(r.address) + " ";
            } else {
                if (single)
                    first = r.address;
                out += simtext::requestText(r.function, r.address, r.value) + " ";
            }
            last = single ? r.address : -9;
        }
        return out.substr(0, out.size() - 1);
    }
    std::vector<Req> writes() const
    {
        std::vector<Req> out;
        for (const Req& r : requests())
            if (r.function == 0x06)
                out.push_back(r);
        return out;
    }

    QStringList boxTexts() const
    {
        QStringList t;
        for (const auto& b : boxes.shown())
            t << b.text;
        return t;
    }

    static QString res(int id) { return platform::LoadResString(id); }

    testsupport::RecordingShell shell;
    platform::FakeClock clock;
    platform::ScopedClock scopedClock{&clock};
    testsupport::ScriptedMessages boxes;
    std::unique_ptr<sim::Instrument> instrument;
};

} // namespace simtest
