// The instrument found by the settings dialog's search (or given by hand, as an H9 is
// never listed, at the highest ID), a typed set downloaded into it, compared: the same,
// and uploaded into a fresh editor; one byte changed in the instrument, and Compare names
// the parameter it belongs to.
#include "acceptance/acceptance_fixture.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "editors/common/digit_label_array.h"
#include "link/frmCommSetup.h"
#include "support/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace acceptance;

namespace {

// An ID the search reaches after one silent probe, and the highest, given by hand; a
// time-out short enough for that probe, long enough for a loaded machine's replies.
constexpr int kSlaveId = 2;
constexpr int kHandId = 0xFF;
constexpr const char* kTimeOut = "250";

// The settings dialog as the user fills it in: a shorter reply time-out applied, then
// the slave ID from a search stopped once the instrument is listed, or chosen by hand.
void setUpLine(frmCommSetup& d, bool search, QString* listed)
{
    Ui_frmCommSetup& c = ui(d);
    c.txtTimeOut->setFocus();
    c.txtTimeOut->selectAll();
    QTest::keyClicks(c.txtTimeOut, kTimeOut);
    if (!search) {
        c.cboDeviceID_Menu->setFocus();
        QTest::mouseDClick(c.cboDeviceID_Menu->lineEdit(), Qt::LeftButton);
        QTest::keyClicks(c.cboDeviceID_Menu->lineEdit(), QString::number(kHandId, 16));
        QTest::mouseClick(c.cmdOK, Qt::LeftButton);
        if (d.isVisible()) // the ID refused; the test goes on to fail, not to wait
            QTest::mouseClick(c.cmdCancel, Qt::LeftButton);
        return;
    }
    QTest::mouseClick(c.cmdApply, Qt::LeftButton);
    QTest::mouseClick(c.OptModeSelect[1], Qt::LeftButton, {}, QPoint(8, c.OptModeSelect[1]->height() / 2));
    // The search runs inside its button's click; Stop is clicked meanwhile.
    auto* watch = new QTimer(&d);
    QObject::connect(watch, &QTimer::timeout, &d, [&c, watch] {
        if (c.cboAddress_Auto->count() > 0 && c.cmdStop->isEnabled()) {
            QTest::mouseClick(c.cmdStop, Qt::LeftButton);
            watch->stop();
        }
    });
    watch->start(5);
    QTest::mouseClick(c.cmdSearch, Qt::LeftButton);
    *listed = c.cboAddress_Auto->currentText() + " / " + c.txtDeviceID_Auto->text();
    QTest::mouseClick(c.cmdOK, Qt::LeftButton);
}

// The set value a test types and where the instrument keeps it after a download, in
// the editor's first function mode.
struct Typed {
    const char* row;
    int address;
    sim::Bytes bytes;
};

Typed typedValue(sim::Type type)
{
    switch (type) {
    // Seconds and hundredths apart: 1234.56 s is 0x0056 and 0x1234.
    case sim::Type::H9: return {"lblTimerSettingA", kTimerSlotsA_H9[0].setValue, {0x56, 0x00, 0x34, 0x12}};
    case sim::Type::H7: return {"lblCounterSetting_1st_H7", kRegCounterSetting1_H7, {0x56, 0x34, 0x12, 0x00}};
    default: return {"lblTimerSetting_A_H5", kRegTimerSetting_A_H5, {0x56, 0x34, 0x12, 0x00}};
    }
}

} // namespace

TEST_F(Acceptance, FindDownloadCompare)
{
    for (const Model& m : models()) {
        SCOPED_TRACE(m.name);
        const bool search = m.type != sim::Type::H9;
        plugIn(m.type, search ? kSlaveId : kHandId);
        startProgram();
        newSet(m);
        QWidget* form = activeForm();
        ASSERT_NE(form, nullptr);
        const Typed t = typedValue(m.type);
        auto* row = form->findChild<DigitLabelArray*>(t.row);
        ASSERT_NE(row, nullptr);
        key(Qt::Key_1, {}, row->label(0));
        type("23456");

        QString listed;
        whenModal<frmCommSetup>([&](frmCommSetup& d) { setUpLine(d, search, &listed); });
        menu({res(131), res(103)});
        // Listed by the model's name as the status bar shows it, the ID taken.
        if (search) {
            EXPECT_EQ(listed, "02 : " + panel(1) + " / 02");
        }
        EXPECT_EQ(panel(3), search ? "Device ID(Hex) : 02" : "Device ID(Hex) : FF");
        EXPECT_EQ(boxes.count(), 0) << boxTexts().join("|").toStdString();

        boxes.autoAcknowledgeOk();
        toolbar("Download");
        EXPECT_EQ(panel(4), res(264));
        EXPECT_EQ(boxTexts(), QStringList{res(264)});
        EXPECT_EQ(instrument->peekBytes(t.address, 4), t.bytes);

        menu({res(129), res(148)});
        ASSERT_FALSE(boxTexts().isEmpty());
        EXPECT_EQ(boxTexts().last(), res(288));
        boxes.answer(platform::MsgResult::No);
        key(Qt::Key_F11);
        EXPECT_EQ(panel(4), res(263));
        ASSERT_NE(activeForm(), form);
        form = activeForm();
        ASSERT_NE(form, nullptr) << boxTexts().join("|").toStdString();
        row = form->findChild<DigitLabelArray*>(t.row);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->digits(), "123456");
        instrument->poke(t.address + 1, 0x99);
        key(Qt::Key_F8);
        EXPECT_TRUE(boxTexts().last().startsWith(res(291) + res(310))) << boxTexts().last().toStdString();
        boxes.autoAcknowledgeOk(false);
        boxes.clear();
        endProgram();
    }
}
