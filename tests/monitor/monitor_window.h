#pragma once
// The monitoring window against the simulated instrument on a pty: the program's COM1
// is the simulator's terminal, every box is recorded (OK-only boxes answered), time
// stamps come from a fake clock whose sleeps pass at once while replies are awaited
// in real time.
#include "memory_source.h"

#include "instrument_sim.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/mscomm.h"
#include "core/monitor_state.h"
#include "monitor/panel_state.h"
#include "platform/clock.h"
#include "platform/strings.h"
#include "support/deferred_delete.h"
#include "support/monitor_form_access.h"
#include "support/link_support.h"
#include "support/scripted_ui.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace montest {

class MonitorWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        commState = CommState{};
        commSettings = CommSettings{};
        commSettings.nTimeOut = 300;
        monitorState = MonitorState{};
        logSettings = LogSettings{};
        boxes.autoAcknowledgeOk();
    }
    void TearDown() override
    {
        testsupport::closeChildWindows();
        testsupport::closeLink();
        if (sim)
            sim->stop();
        qunsetenv("TCPANEL_COM1");
    }

    // A simulated instrument of `type` reporting function mode `mode` in 1074.
    sim::Instrument& instrument(sim::Type type, int mode = 0)
    {
        sim = std::make_unique<sim::Instrument>(type, 1, mode);
        sim->setAnimated(false);
        sim->start();
        qputenv("TCPANEL_COM1", QByteArray::fromStdString(sim->path()));
        return *sim;
    }

    frmMonitoring& window() { return frmMonitoring::instance(); }
    void clickStart() { QTest::mouseClick(ui(window()).ImageStart, Qt::LeftButton); }
    void clickStop() { QTest::mouseClick(ui(window()).ImageStop, Qt::LeftButton); }

    // Runs the event loop until `n` more polls have ended (a poll ends when its
    // requests are answered and the chain has re-armed), at most `ms`.
    bool waitPolls(int n, int ms = 3000)
    {
        for (int i = 0; i < n; ++i) {
            const std::size_t before = sim->requests().size();
            if (!QTest::qWaitFor([&] { return sim->requests().size() > before && ui(window()).Timer1_monitor->isActive(); },
                                 ms))
                return false;
        }
        return true;
    }

    static QString box(const QPlainTextEdit* b) { return b->toPlainText(); }
    static QStringList upperRowPictures(const PanelImages& p)
    {
        QStringList names;
        for (const MonitorImage* image : p.image_char_A)
            names << image->requestedName();
        return names;
    }
    static bool portOpen() { return CommControl().PortOpen(); }

    std::unique_ptr<sim::Instrument> sim;
    platform::FakeClock clock;
    platform::ScopedClock scopedClock{&clock};
    testsupport::ScriptedMessages boxes;
};

} // namespace montest
