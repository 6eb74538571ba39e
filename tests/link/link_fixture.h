#pragma once
// Shared set-up of the link tests: a recording main window (for status panel 4), the
// start values of the link records, a fake clock, the in-process fake line and scripted
// boxes that also note what panel 4 and the port looked like when each box came up.
#include "support/fake_port.h"

#include "link/comm_records.h"
#include "link/frmCommSetup.h"
#include "link/link.h"
#include "link/mscomm.h"
#include "platform/clock.h"
#include "support/deferred_delete.h"
#include "support/link_support.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include <functional>

namespace linktest {

class RecordingMessages : public testsupport::ScriptedMessages {
public:
    platform::MsgResult present(const platform::MessageBoxRequest& request) override
    {
        panelAtBox << core::shell().PanelText(4);
        portOpenAtBox.push_back(CommControl().PortOpen());
        return ScriptedMessages::present(request);
    }
    QStringList panelAtBox;
    std::vector<bool> portOpenAtBox;
};

inline QString panel4() { return core::shell().PanelText(4); }

inline void setPanel4(const QString& text) { core::shell().setPanelText(4, text); }

using testsupport::dropDeferredDeletes;

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetStartValues();
        commState = CommState{};
        commSettings.sFoundDevices.clear();
        commSettings.nFoundDeviceIndex = 0;
        commSettings.nManualIdIndex = 0;
        clock.setInstantTimeouts(true);
        boxes.autoAcknowledgeOk();
        setPanel4(QString());
    }

    void TearDown() override
    {
        testsupport::closeLink();
    }

    // Opens the port through the link, failing the test when it does not open.
    void openPort() { ASSERT_EQ(OpenCommPort(), 0); fake.line().log.clear(); fake.line().frames.clear(); }

    testsupport::RecordingShell shell;
    platform::FakeClock clock;
    platform::ScopedClock scopedClock{&clock};
    ScopedFakeLine fake;
    RecordingMessages boxes;
};

// Replies of a simple instrument: every read answers register values from `value(reg)`,
// every write is echoed.
QByteArray InstrumentReply(const QByteArray& frame, const std::function<int(int)>& value);

} // namespace linktest
