// The serial settings dialog and its slave-ID search, against the in-process fake line.
#include "link_fixture.h"

#include "core/common_registers.h"
#include "link/comm_status.h"
#include "link/modbus_ascii.h"
#include "platform/strings.h"
#include "support/form_access.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <map>

namespace linktest {
namespace {

class Dialog : public LinkTest {
protected:
    frmCommSetup& dlg() { return frmCommSetup::instance(); }

    // Runs Apply (also where the button is disabled: typing an ID does not enable it,
    // OK applies all the same); returns the text of the box it showed, or "".
    QString apply()
    {
        const int before = boxes.count();
        dlg().cmdApply_Click();
        return boxes.count() > before ? boxes.last().text : QString();
    }

    static QString msg(int id) { return platform::LoadResString(id); }
};

TEST_F(Dialog, LoadsEveryControlFromTheLinkRecords)
{
    commSettings.nCommPort = 3;
    commSettings.nBaudIndex = 5;
    commSettings.nParityIndex = 2;
    commSettings.nDataBitsIndex = 0;
    commSettings.nStopBitsIndex = 1;
    commSettings.nTimeOut = 750;
    commSettings.nCommDelay = 20;
    commSettings.nManualIdIndex = 0x1E;
    commSettings.sFoundDevices = {"0A : QD-Max730", "1F : QD-Max732"};
    commSettings.nFoundDeviceIndex = 1;
    commSettings.bAutoIdMode = 1;

    frmCommSetup& d = dlg();
    EXPECT_EQ(d.windowTitle(), "Communication Settings");
    EXPECT_EQ(ui(d).frameTimeOut->title(), "Time Out ( >= 50 ms )");
    EXPECT_EQ(ui(d).cboComPort->count(), 16);
    EXPECT_EQ(ui(d).cboComPort->currentText(), "COM3");
    EXPECT_EQ(ui(d).cboBaudRate->currentText(), "19200   Bps");
    EXPECT_EQ(ui(d).cboBaudRate->itemText(0), "1200     Bps");
    EXPECT_EQ(ui(d).cboParity->currentText(), "Even");
    EXPECT_EQ(ui(d).cboDataBits->currentText(), "7 bits");
    EXPECT_EQ(ui(d).cboStopBits->currentText(), "2 bits");
    EXPECT_EQ(ui(d).txtTimeOut->text(), "750");
    EXPECT_EQ(ui(d).txtCommDelayTime->text(), "20");
    EXPECT_EQ(ui(d).cboDeviceID_Menu->count(), 255);
    EXPECT_EQ(ui(d).cboDeviceID_Menu->itemText(0), "01");
    EXPECT_EQ(ui(d).cboDeviceID_Menu->itemText(254), "FF");
    EXPECT_EQ(ui(d).cboDeviceID_Menu->currentText(), "1F");
    EXPECT_EQ(ui(d).cboAddress_Auto->count(), 2);
    EXPECT_EQ(ui(d).cboAddress_Auto->currentIndex(), 1);
    EXPECT_EQ(ui(d).txtDeviceID_Auto->text(), "1F");
    EXPECT_TRUE(ui(d).OptModeSelect[1]->isChecked());
    EXPECT_TRUE(ui(d).optProtocal[0]->isChecked());
    EXPECT_FALSE(ui(d).optProtocal[1]->isEnabled());
    EXPECT_FALSE(ui(d).cmdStop->isEnabled());
    EXPECT_FALSE(ui(d).cmdApply->isEnabled()) << "opens with nothing to apply";
}

TEST_F(Dialog, FirstOpeningShowsTheStartValuesAndAnEmptyFoundList)
{
    frmCommSetup& d = dlg();
    EXPECT_EQ(ui(d).cboComPort->currentText(), "COM1");
    EXPECT_EQ(ui(d).cboBaudRate->currentText(), "9600     Bps");
    EXPECT_EQ(ui(d).txtTimeOut->text(), "1000");
    EXPECT_EQ(ui(d).txtCommDelayTime->text(), "0");
    EXPECT_EQ(ui(d).cboDeviceID_Menu->currentText(), "01");
    EXPECT_EQ(ui(d).cboAddress_Auto->count(), 0);
    EXPECT_TRUE(ui(d).OptModeSelect[0]->isChecked());

    // Automatic mode before any search: no ID to take.
    ui(d).OptModeSelect[1]->click();
    EXPECT_EQ(apply(), msg(285));
    EXPECT_EQ(commSettings.bAutoIdMode, 0);
}

TEST_F(Dialog, ModeSelectionSwitchesTheTwoSlaveIdPanels)
{
    frmCommSetup& d = dlg();
    ui(d).OptModeSelect[1]->click();
    EXPECT_TRUE(ui(d).cmdApply->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{ui(d).frameAuto, ui(d).txtDeviceID_Auto, ui(d).cboAddress_Auto, ui(d).cmdSearch})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(ui(d).frameMenu->isEnabled());
    EXPECT_FALSE(ui(d).cboDeviceID_Menu->isEnabled());

    ui(d).cmdApply->setEnabled(false);
    ui(d).OptModeSelect[0]->click();
    EXPECT_TRUE(ui(d).cmdApply->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{ui(d).frameAuto, ui(d).txtDeviceID_Auto, ui(d).cboAddress_Auto, ui(d).cmdSearch})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(ui(d).frameMenu->isEnabled());
    EXPECT_TRUE(ui(d).cboDeviceID_Menu->isEnabled());
}

TEST_F(Dialog, ApplyLimitsAndWhatAnApplyStores)
{
    frmCommSetup& d = dlg();
    struct Case { QLineEdit* box; const char* text; int refusalId; };
    const Case cases[] = {
        {ui(d).txtTimeOut, "49", 290},
        {ui(d).txtTimeOut, "", 290},
        {ui(d).txtTimeOut, "2147483648", 290},
        {ui(d).txtTimeOut, "99999999999999999999999999", 290},
        {ui(d).txtTimeOut, "5x0", 290}, // pasted, not typed
        {ui(d).txtTimeOut, "50", 0},
        {ui(d).txtTimeOut, "2147483647", 0},
        {ui(d).txtCommDelayTime, "60001", 343},
        {ui(d).txtCommDelayTime, "", 343},
        {ui(d).txtCommDelayTime, "60000", 0},
        {ui(d).txtCommDelayTime, "0", 0},
    };
    for (const Case& c : cases) {
        c.box->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(apply(), c.refusalId ? msg(c.refusalId) : QString()) << c.text;
        if (c.refusalId)
            EXPECT_TRUE(ui(d).cmdApply->isEnabled()) << "stays enabled after a refusal";
        else
            EXPECT_FALSE(ui(d).cmdApply->isEnabled());
        c.box->setText(c.box == ui(d).txtTimeOut ? "1000" : "0");
    }
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::None);

    struct IdCase { const char* text; int refusal; int id; };
    const IdCase ids[] = {{"00", 22, 0}, {"", 22, 0}, {"100", 22, 0}, {"G1", 22, 0},
                          {"FF", 0, 255}, {"0a", 0, 10}, {"1A", 0, 26}};
    for (const IdCase& c : ids) {
        ui(d).cboDeviceID_Menu->setEditText(QString::fromLatin1(c.text));
        EXPECT_EQ(apply(), c.refusal ? msg(285) : QString()) << c.text;
        if (!c.refusal) {
            EXPECT_EQ(commSettings.nSlaveID, c.id);
            EXPECT_EQ(commSettings.nManualIdIndex, c.id - 1);
        }
    }

    // A refused Apply stores nothing, the pause included.
    const CommSettings before = commSettings;
    ui(d).txtCommDelayTime->setText("1234");
    ui(d).txtTimeOut->setText("300");
    ui(d).cboDeviceID_Menu->setEditText("00");
    EXPECT_EQ(apply(), msg(285));
    EXPECT_EQ(commSettings.nCommDelay, before.nCommDelay);
    EXPECT_EQ(commSettings.nTimeOut, before.nTimeOut);

    // An empty choice.
    ui(d).cboDeviceID_Menu->setEditText("01");
    ui(d).cboParity->setCurrentIndex(-1);
    EXPECT_EQ(apply(), msg(289));
}

TEST_F(Dialog, SuccessfulApplyStoresAllAndRefreshesPanels2And3)
{
    frmCommSetup& d = dlg();
    ui(d).cboComPort->setCurrentIndex(15);
    ui(d).cboBaudRate->setCurrentIndex(8);
    ui(d).cboParity->setCurrentIndex(1);
    ui(d).cboDataBits->setCurrentIndex(0);
    ui(d).cboStopBits->setCurrentIndex(1);
    ui(d).txtTimeOut->setText("333");
    ui(d).txtCommDelayTime->setText("44");
    ui(d).cboDeviceID_Menu->setEditText("FF");
    EXPECT_EQ(apply(), QString());
    EXPECT_EQ(commSettings.nCommPort, 16);
    EXPECT_EQ(commSettings.nBaudIndex, 8);
    EXPECT_EQ(commSettings.nParityIndex, 1);
    EXPECT_EQ(commSettings.nDataBitsIndex, 0);
    EXPECT_EQ(commSettings.nStopBitsIndex, 1);
    EXPECT_EQ(commSettings.nTimeOut, 333);
    EXPECT_EQ(commSettings.nCommDelay, 44);
    EXPECT_EQ(commSettings.nSlaveID, 255);
    EXPECT_EQ(commSettings.nCommProtocol, 0);
    EXPECT_EQ(commSettings.sCommSettingsText, "57600 , O , 7 , 2");
    EXPECT_EQ(shell.PanelText(2), "COM16 , 57600 , O , 7 , 2");
    EXPECT_EQ(shell.PanelText(3), "Device ID(Hex) : FF");
}

TEST_F(Dialog, KeyFiltersDiscardWhatTheFieldsDoNotTake)
{
    frmCommSetup& d = dlg();
    ui(d).txtTimeOut->clear();
    ui(d).cmdApply->setEnabled(false);
    QTest::keyClicks(ui(d).txtTimeOut, "12a- 3.4");
    EXPECT_EQ(ui(d).txtTimeOut->text(), "1234");
    EXPECT_TRUE(ui(d).cmdApply->isEnabled());
    QTest::keyClick(ui(d).txtTimeOut, Qt::Key_Backspace);
    EXPECT_EQ(ui(d).txtTimeOut->text(), "123");

    ui(d).cmdApply->setEnabled(false);
    QLineEdit* idText = ui(d).cboDeviceID_Menu->lineEdit();
    idText->clear();
    QTest::keyClicks(idText, "1ga");
    EXPECT_EQ(ui(d).cboDeviceID_Menu->currentText(), "1A");
    EXPECT_FALSE(ui(d).cmdApply->isEnabled()) << "typing an ID does not by itself enable Apply";
}

TEST_F(Dialog, CancelAfterApplyKeepsTheAppliedValues)
{
    ui(dlg()).txtTimeOut->setText("600");
    EXPECT_EQ(apply(), QString());
    ui(dlg()).txtTimeOut->setText("700");
    ui(dlg()).cmdCancel->click();
    EXPECT_FALSE(frmCommSetup::isLoaded());
    EXPECT_EQ(commSettings.nTimeOut, 600);
    dropDeferredDeletes();
    EXPECT_EQ(ui(dlg()).txtTimeOut->text(), "600");
}

TEST_F(Dialog, OkClosesOnlyWhenNothingIsRefused)
{
    ui(dlg()).txtTimeOut->setText("10");
    ui(dlg()).cmdOK->click();
    EXPECT_EQ(boxes.last().text, msg(290));
    EXPECT_TRUE(frmCommSetup::isLoaded());
    ui(dlg()).txtTimeOut->setText("100");
    ui(dlg()).cmdOK->click();
    EXPECT_FALSE(frmCommSetup::isLoaded());
    EXPECT_EQ(commSettings.nTimeOut, 100);
}

TEST_F(Dialog, UnloadingTheDialogClosesThePort)
{
    ASSERT_EQ(OpenCommPort(), 0);
    ui(dlg()).cmdCancel->click();
    EXPECT_FALSE(fake.line().open);
    dropDeferredDeletes();
    EXPECT_FALSE(CommControl().PortOpen()) << "the link's control stays, closed";
}

// --- Slave-ID search -------------------------------------------------------------

class Search : public Dialog {
protected:
    // Instruments on the fake line by slave ID: their type codes.
    void instruments(std::map<int, int> types)
    {
        fake.line().responder = [this, types](const QByteArray& frame) -> QByteArray {
            const int slave = ReplyByte(frame, 2).value_or(-1);
            if (onProbe)
                onProbe(slave);
            auto it = types.find(slave);
            if (it == types.end())
                return {};
            const int type = it->second;
            return InstrumentReply(frame,
                                   [type](int reg) { return reg == kRegDeviceType ? type * 256 + 0x0A : kFamilyMark; });
        };
    }

    void startSearch()
    {
        frmCommSetup& d = dlg();
        ui(d).OptModeSelect[1]->click();
        ui(d).cmdSearch->click();
    }

    std::function<void(int slave)> onProbe;
};

TEST_F(Search, ListsTypes2To4InIdOrderAndSelectsTheFirst)
{
    instruments({{5, 1}, {10, 2}, {31, 4}});
    QString textWhileAsking10;
    onProbe = [&](int slave) {
        if (slave == 10)
            textWhileAsking10 = ui(dlg()).txtDeviceID_Auto->text();
    };
    startSearch();
    frmCommSetup& d = dlg();
    ASSERT_EQ(ui(d).cboAddress_Auto->count(), 2);
    EXPECT_EQ(ui(d).cboAddress_Auto->itemText(0), "0A : QD-Max730");
    EXPECT_EQ(ui(d).cboAddress_Auto->itemText(1), "1F : QD-Max732");
    EXPECT_EQ(ui(d).cboAddress_Auto->currentIndex(), 0);
    EXPECT_EQ(textWhileAsking10, "A");
    EXPECT_EQ(ui(d).txtDeviceID_Auto->text(), "0A");
    EXPECT_EQ(commSettings.sFoundDevices, QStringList({"0A : QD-Max730", "1F : QD-Max732"}));
    EXPECT_EQ(commSettings.nFoundDeviceIndex, 0);
    EXPECT_EQ(commSettings.nSlaveID, 1) << "the search stores no slave ID";
    EXPECT_EQ(fake.line().frames.size(), 255);
    EXPECT_EQ(fake.line().frames.value(254), BuildAsciiFrame(ReadRequestText(255, kRegDeviceType, 1)));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(commState.bSilentComm, 1);
    EXPECT_FALSE(fake.line().open);
    EXPECT_FALSE(d.bSearching);
    EXPECT_FALSE(ui(d).cmdStop->isEnabled());
    EXPECT_TRUE(ui(d).cmdSearch->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{ui(d).cboComPort, ui(d).txtTimeOut, ui(d).OptModeSelect[0], ui(d).cmdOK, ui(d).cmdCancel, ui(d).cmdApply})
        EXPECT_TRUE(w->isEnabled());

    // Apply takes the chosen entry's ID.
    ui(d).cboAddress_Auto->setCurrentIndex(1);
    emit ui(d).cboAddress_Auto->activated(1);
    EXPECT_EQ(ui(d).txtDeviceID_Auto->text(), "1F");
    EXPECT_EQ(apply(), QString());
    EXPECT_EQ(commSettings.nSlaveID, 0x1F);
    EXPECT_EQ(commSettings.bAutoIdMode, 1);
    EXPECT_EQ(commSettings.nFoundDeviceIndex, 1);
}

TEST_F(Search, OnlyAnH9OnTheLineEndsWithTheNotFoundBox)
{
    commSettings.sFoundDevices = {"03 : QD-Max731"};
    instruments({{5, 1}});
    startSearch();
    frmCommSetup& d = dlg();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, msg(245));
    EXPECT_EQ(boxes.last().text,
              "No modules can be found, please change the communication settings and try again.");
    EXPECT_EQ(boxes.last().title, "Search");
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(ui(d).cboAddress_Auto->count(), 0);
    EXPECT_EQ(ui(d).txtDeviceID_Auto->text(), "");
    EXPECT_EQ(commSettings.sFoundDevices, QStringList({"03 : QD-Max731"}))
        << "the last search that found something is kept";

    ui(d).cmdCancel->click();
    dropDeferredDeletes();
    EXPECT_EQ(ui(dlg()).cboAddress_Auto->count(), 1);
}

TEST_F(Search, StopKeepsWhatWasFoundSoFar)
{
    instruments({{10, 2}, {31, 4}});
    QObject::connect(ui(dlg()).cboAddress_Auto->model(), &QAbstractItemModel::rowsInserted, &dlg(), [this] {
        QMetaObject::invokeMethod(ui(dlg()).cmdStop, &QPushButton::click, Qt::QueuedConnection);
    });
    startSearch();
    frmCommSetup& d = dlg();
    EXPECT_EQ(ui(d).cboAddress_Auto->count(), 1);
    EXPECT_EQ(ui(d).cboAddress_Auto->currentIndex(), 0);
    EXPECT_EQ(ui(d).txtDeviceID_Auto->text(), "0A");
    EXPECT_LE(fake.line().frames.size(), 11) << "no probe after the one in progress";
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(commSettings.sFoundDevices, QStringList({"0A : QD-Max730"}));
    EXPECT_FALSE(fake.line().open);
}

TEST_F(Search, TheDialogCannotBeClosedWhileTheSearchRuns)
{
    instruments({{200, 3}});
    bool stillLoaded = false;
    onProbe = [&](int slave) {
        if (slave != 3)
            return;
        frmCommSetup& d = dlg();
        d.close();
        d.reject();
        QTest::keyClick(&d, Qt::Key_Escape);
        ui(d).cmdCancel->click(); // disabled: no effect
        stillLoaded = frmCommSetup::isLoaded() && d.bSearching;
    };
    startSearch();
    EXPECT_TRUE(stillLoaded);
    EXPECT_EQ(fake.line().frames.size(), 255) << "the search ran to its end";
    EXPECT_EQ(ui(dlg()).cboAddress_Auto->itemText(0), "C8 : QD-Max731");
    dlg().reject();
    EXPECT_FALSE(frmCommSetup::isLoaded()) << "closes normally once the search is over";
}

TEST_F(Search, PortThatCannotOpenSendsNothing)
{
    fake.line().openResult = SerialDevice::OpenResult::Busy;
    startSearch();
    frmCommSetup& d = dlg();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, msg(266));
    EXPECT_TRUE(fake.line().frames.isEmpty());
    EXPECT_EQ(commState.bSilentComm, 0);
    EXPECT_TRUE(ui(d).cmdSearch->isEnabled());
    EXPECT_TRUE(ui(d).cmdOK->isEnabled());
    EXPECT_FALSE(d.bSearching);
}

} // namespace
} // namespace linktest
