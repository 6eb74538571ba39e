// Monitoring every model from its editor: Start, the panel follows the instrument, a
// log at one second for a few seconds, Log off, Return, and the editor is back.
#include "acceptance/acceptance_fixture.h"

#include "app/frmMDI.h"
#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "monitor/frmLogging.h"
#include "support/main_window.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace acceptance;

namespace {

// A present value the instrument shows on display A, as poked into its memory and as
// the panel and the log show it.
struct Shown {
    sim::Bytes bytes;
    const char* row;  // the six digits of the upper row
    const char* line; // the values of a log line, after the time stamp
};

struct LiveCase {
    int mode;
    int address;
    Shown first, second;
};

LiveCase liveCase(sim::Type type)
{
    switch (type) {
    case sim::Type::H9:
        return {0, kRegTimerPresentA_H9[0], {{0x56, 0x00, 0x34, 0x12}, "123456", "1234.56     000000"},
                {{0x78, 0x00, 0x90, 0x56}, "569078", "5690.78     000000"}};
    case sim::Type::H5:
        return {0, kRegPresentValue_H5, {{0x00, 0x12, 0x34}, "341200", "3412.00"},
                {{0x00, 0x56, 0x78}, "785600", "7856.00"}};
    case sim::Type::H7:
        return {3, kRegPresentValue1_H7, {{0x01, 0x00, 0x00}, "000001", "000001"},
                {{0x45, 0x23, 0x01}, "012345", "012345"}};
    case sim::Type::H8:
        return {6, kRegPresentValue1_H7, {{0x07, 0x00, 0x00}, "000007", "000007     000000"},
                {{0x21, 0x00, 0x00}, "000021", "000021     000000"}};
    }
    return {};
}

QString upperRow(frmMonitoring& f)
{
    QString digits;
    for (const MonitorImage* image : ui(f).panelA.image_char_A)
        digits += image->pictureName().section('_', 1);
    return digits;
}

QStringList logLines(const QString& path)
{
    QStringList lines = QString::fromLatin1(testhelp::readRaw(path)).split("\r\n");
    lines.removeLast(); // what follows the last CR LF
    return lines;
}

} // namespace

TEST_F(Acceptance, MonitorFollowLogReturn)
{
    for (const Model& m : models()) {
        SCOPED_TRACE(m.name);
        boxes.clear();
        const LiveCase c = liveCase(m.type);
        sim::Instrument& dev = plugIn(m.type, 1, c.mode);
        dev.setAnimated(false);
        dev.pokeBytes(c.address, c.first.bytes);
        frmMDI& mdi = startProgram();
        newSet(m);
        QWidget* editor = activeForm();
        ASSERT_NE(editor, nullptr);

        menu({res(130), res(149)});
        frmMonitoring* f = frmMonitoring::loaded();
        ASSERT_TRUE(f && activeForm() == f);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_FALSE(mdi.ToolbarVisible());
        click(ui(*f).ImageStart);
        EXPECT_TRUE(QTest::qWaitFor([&] { return upperRow(*f) == c.first.row; }, 3000)) << upperRow(*f).toStdString();
        EXPECT_TRUE(ui(*f).txtInformation_A->toPlainText().startsWith("Type :"));
        dev.pokeBytes(c.address, c.second.bytes);
        EXPECT_TRUE(QTest::qWaitFor([&] { return upperRow(*f) == c.second.row; }, 3000)) << upperRow(*f).toStdString();

        // A log at one second. Half a second into the clock's second, so each line's
        // stamp is its whole second whatever the timer's jitter.
        const QString log = path(QString("%1.txt").arg(m.name));
        const QDateTime started(QDate(2026, 12, 9), QTime(10, 0, 0, 500));
        dialogs.accept(log);
        whenModal<frmLogging>([&](frmLogging& d) {
            EXPECT_EQ(d.windowTitle(), res(349));
            QTest::keyClick(ui(d).txtScanRate, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(ui(d).txtScanRate, "1");
            clock.setNow(started);
            QTest::mouseClick(ui(d).OKButton, Qt::LeftButton);
        });
        menu({res(131), res(353)});
        EXPECT_FALSE(menuEnabled({res(131), res(353)}));
        // A few seconds on the first model, two on the others: the log timer runs in real time.
        const int seconds = m.type == models().front().type ? 3 : 2;
        ASSERT_TRUE(QTest::qWaitFor([&] { return logLines(log).size() >= seconds; }, 5000));
        menu({res(131), res(352)});
        EXPECT_TRUE(menuEnabled({res(131), res(353)}));
        EXPECT_FALSE(menuEnabled({res(131), res(352)}));
        const QStringList lines = logLines(log);
        for (int i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], QString("12/9/2026 10:00:%1     %2").arg(i + 1, 2, 10, QChar('0')).arg(c.second.line));

        // Stop, Return: the editor again, with its toolbar.
        EXPECT_FALSE(menuEnabled({res(127), res(244)})) << "no Return while it runs";
        click(ui(*f).ImageStop);
        click(ui(*f).ImageReturn);
        EXPECT_FALSE(frmMonitoring::isLoaded());
        EXPECT_EQ(activeForm(), editor);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_TRUE(mdi.ToolbarVisible());
        EXPECT_EQ(caption(), "Unknown01.kvf");
        EXPECT_EQ(logLines(log), lines) << "nothing written after Log off";
        EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join(" | ").toStdString();
        exitProgram();
    }
}
