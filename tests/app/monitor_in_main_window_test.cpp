// The monitoring window inside the main window: it stands in for the editor that
// opened it, blocks transfers while open, and hands back to that editor.
#include "monitor/monitor_window.h"

#include "app/frmMDI.h"
#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "support/main_window.h"
#include "transfer/frmWriteProcess1.h"

#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>

namespace {

class InTheMainWindow : public montest::MonitorWindow {
protected:
    void TearDown() override { testsupport::closeWindows(), MonitorWindow::TearDown(); }
    static bool shownAsChild(QWidget* form)
    {
        auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        return sub && !sub->isHidden();
    }
};

} // namespace

TEST_F(InTheMainWindow, StandsInForEitherEditorAndHandsBack)
{
    instrument(sim::Type::H7, 4);
    frmMDI& mdi = frmMDI::instance();
    for (int macType : {kMacTypeH9, kMacTypeH5}) {
        nMacType = macType;
        QWidget* editor = macType == kMacTypeH9 ? static_cast<QWidget*>(&frmModeSetting_H9::instance())
                                                : static_cast<QWidget*>(&frmModeSetting_H7::instance());
        mdi.showChild(editor);
        ASSERT_TRUE(mdi.ToolbarVisible());

        mdi.mMonitoring_Click();
        frmMonitoring& f = window();
        EXPECT_FALSE(shownAsChild(editor));
        EXPECT_TRUE(shownAsChild(&f));
        EXPECT_EQ(mdi.ActiveForm(), &f);
        EXPECT_FALSE(mdi.ToolbarVisible());
        EXPECT_TRUE(mdi.menuBar()->isHidden());
        EXPECT_EQ(mdi.PanelText(1), "Monitor");
        EXPECT_EQ(mdi.PanelText(4), "");

        // An instrument of another type than the edited set is monitored as it is.
        clickStart();
        ASSERT_TRUE(waitPolls(1));
        EXPECT_TRUE(box(ui(f).txtInformation_A).contains("2-stage Counter"));
        // No transfer while the window is open.
        mdi.mUpload_Click();
        EXPECT_FALSE(frmWriteProcess1::isLoaded());
        EXPECT_NE(mdi.PanelText(4), platform::LoadResString(250));
        clickStop();
        EXPECT_EQ(mdi.PanelText(4), "");

        QTest::mouseClick(ui(f).ImageReturn, Qt::LeftButton);
        testsupport::dropDeferredDeletes();
        EXPECT_FALSE(frmMonitoring::isLoaded());
        EXPECT_TRUE(shownAsChild(editor));
        EXPECT_TRUE(mdi.ToolbarVisible());
        // The editor's menus stand in for the main window's again.
        EXPECT_TRUE(mdi.menuBar()->isHidden());
        EXPECT_FALSE(commState.bSilentComm);
        testsupport::closeChildWindows();
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(InTheMainWindow, ClosingTheProgramWhilePollingAndLogging)
{
    instrument(sim::Type::H9);
    QTemporaryDir tmp;
    frmMDI& mdi = frmMDI::instance();
    nMacType = kMacTypeH9;
    frmModeSetting_H9& editor = frmModeSetting_H9::instance();
    mdi.showChild(&editor);
    mdi.mMonitoring_Click();
    mdi.bChange = true;
    frmMonitoring& f = window();
    clickStart();
    ASSERT_TRUE(waitPolls(1));
    f.sLogFileName = tmp.path() + "/log.txt";
    f.StartLogging();
    ASSERT_TRUE(f.Logging());

    boxes.answer(platform::MsgResult::Yes).answer(platform::MsgResult::No); // exit, do not save
    bool editorShownAgain = false;
    QObject::connect(&core::shellEvents(), &core::ShellEvents::childActivated, &f,
                     [&](QWidget* form) { editorShownAgain = editorShownAgain || form == &editor; });
    mdi.close();
    testsupport::dropDeferredDeletes();
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_FALSE(frmMonitoring::isLoaded());
    EXPECT_FALSE(monitorState.bMonitoring);
    EXPECT_FALSE(portOpen());
    EXPECT_FALSE(editorShownAgain);
    QFile log(tmp.path() + "/log.txt");
    EXPECT_TRUE(log.open(QIODevice::Append)); // closed by the program, writable again
    const std::size_t sent = sim->requests().size();
    QTest::qWait(50);
    EXPECT_EQ(sim->requests().size(), sent);
}
