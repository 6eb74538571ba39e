// The monitoring window driven as a user drives it, against the simulated instrument.
#include "monitor_window.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "core/machine_type.h"
#include "monitor/value_log.h"

using montest::MonitorWindow;

TEST_F(MonitorWindow, H9StartPollAndStop)
{
    sim::Instrument& dev = instrument(sim::Type::H9);
    dev.pokeBytes(kRegTimerPresentA_H9[0], {0x56, 0x00, 0x34, 0x12});
    dev.pokeBytes(kRegLamps_H9, {0x10});
    frmMonitoring& f = window();
    EXPECT_EQ(f.property("Tag").toString(), "4");
    EXPECT_EQ(f.windowTitle(), "Monitor");
    EXPECT_EQ(upperRowPictures(ui(f).panelA), QStringList(6, "image_99"));
    EXPECT_EQ(ui(f).panelB.image_week->requestedName(), "image_week_0000000");
    EXPECT_TRUE(ui(f).cmdMonitorStop->testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(ui(f).ImageStop->requestedName(), "IMAGE_STOP_D");

    clickStart();
    EXPECT_TRUE(monitorState.bMonitoring);
    EXPECT_TRUE(f.Polling());
    EXPECT_TRUE(commState.bSilentComm);
    EXPECT_EQ(ui(f).ImageStart->requestedName(), "IMAGE_START_D");
    EXPECT_EQ(ui(f).ImageStop->requestedName(), "IMAGE_STOP_E");
    EXPECT_FALSE(ui(f).mReturn->isEnabled());
    EXPECT_FALSE(ui(f).mCommSetting->isEnabled());

    ASSERT_TRUE(waitPolls(2));
    EXPECT_EQ(upperRowPictures(ui(f).panelA),
              (QStringList{"image_1", "image_2", "image_3", "image_4", "image_5", "image_6"}));
    EXPECT_EQ(ui(f).panelA.image_DPCol_A[1]->requestedName(), "image_dpcol_1");
    EXPECT_EQ(ui(f).panelB.image_week->requestedName(), "image_week_0000100");
    EXPECT_EQ(monitorState.sMonitorText[0], "1234.56");
    // A name the picture set lacks leaves that one element as it was.
    MonitorImage* lamps = ui(f).panelB.image_week;
    const qint64 shown = lamps->pixmap().cacheKey();
    lamps->setPictureName("image_week_0x0");
    EXPECT_EQ(lamps->pictureName(), "image_week_0000100");
    EXPECT_EQ(lamps->pixmap().cacheKey(), shown);

    clickStop();
    EXPECT_EQ(ui(f).ImageStart->requestedName(), "IMAGE_START_E");
    EXPECT_TRUE(ui(f).mReturn->isEnabled());
    EXPECT_EQ(boxes.count(), 0);
}

namespace {

struct Poke {
    int address;
    sim::Bytes bytes;
};

// One type in one function mode: what the start writes into the boxes and what the first
// poll puts on the panels and into the value texts, each from registers of that mode's
// own readers, so that another mode's reader shows something else.
struct TypeCase {
    sim::Type type;
    int mode;
    const char* name;
    std::vector<Poke> pokes;
    const char* summaryA; // a piece of box A
    const char* summaryB; // box B: "" empty, "=" as box A, "~" and a piece of it, else its lines
    const char* text0;
    const char* text1;
    const char* rows; // panel A's lower row, panel B's upper and lower rows as drawn, '_' blank
    const char* reads = ""; // the requests after the identification begin so
};

const char* typeName(sim::Type t)
{
    return t == sim::Type::H9 ? "H9" : t == sim::Type::H5 ? "H5" : t == sim::Type::H7 ? "H7" : "H8";
}
void PrintTo(const TypeCase& c, std::ostream* os) { *os << typeName(c.type) << " mode " << c.mode; }

std::vector<TypeCase> everyTypeAndMode()
{
    using sim::Type;
    std::vector<TypeCase> cases = {
        {Type::H9, 0, "timerCounter", {{1184, {0x56, 0x00, 0x34, 0x12}}, {1504, {0, 0, 0x45, 0, 0x23, 0x01}}},
         "\nFunction Selection : Timer\nTime Range : 0.01~9999.99 Sec\n",
         "~\nFunction Selection : 1-stage Counter\nInput Mode : 0 : Command (Up)\n", "1234.56", "012345",
         "000000 012345 000000"},
        {Type::H9, 1, "timerTacho", {{1184, {0x56, 0x00, 0x34, 0x12}}, {1562, {0, 0, 0x89, 0, 0x67, 0}}},
         "\nFunction Selection : Timer\n", "~\nFunction Selection : Tachometer\nAverage Processing : OFF\n",
         "1234.56", "006789", "000000 006789 000000"},
        {Type::H9, 2, "total", {{1664, {0x02}}, {1504, {0, 0, 0x20}}}, "\nTotal counter\nOutput Mode : 0\n",
         "~\n1-stage Counter\nInput Mode : 0 : Command (Up)\nOutput Mode : 0 ( N-1 ) \n", "000002", "000020",
         "000000 000020 000000"},
        {Type::H9, 3, "batch", {{1664, {0x03}}, {1504, {0, 0, 0x30}}}, "\nBatch counter\nOutput Mode : 0\n",
         "~\n1-stage Counter\nInput Mode : 0 : Command (Up)\nOutput Mode :  ( N-1 ) \n", "000003", "000030",
         "000000 000030 000000"},
        {Type::H9, 4, "twoCounters", {{1664, {0x04}}, {1504, {0, 0, 0x40}}},
         "\n1-stage Counter\nInput Mode : 1 : Individual (Up)\nCounting Speed : 30Hz\nOutput Mode : 0\n",
         "~\n1-stage Counter\nInput Mode : 0 : Command (Up)\nOutput Mode : 0 ( N-1 ) \n", "000004", "000040",
         "000000 000040 000000"},
        {Type::H9, 5, "twoStage", {{1608, {0x21, 0x00, 0x43, 0x65}}, {1590, {0x05}}},
         "\n2-stage Timer\nTime Range : 0 ~ 999999 Sec\nTime Mode : Up\nOutput Mode : 0\n", "~\n2-stage Timer\n",
         "654321", "", "000000 654321 000005"},
        {Type::H9, 6, "dualTacho", {{1564, {0x07}}}, "\nTachometer\nOutput Mode : 0\n",
         "~\nTachometer\nAverage Processing : OFF\n", "000007", "", "000000 000007 000000"},
        {Type::H5, 0, "timer", {{1282, {0x56, 0x34, 0x12}}, {1098, {0x01}}},
         "\nFunction Selection : Timer\nTime Range : 0.01 s ~ 9999.99 s\nTime Mode : Up\n"
         "Output Mode : A : Signal ON delay 1\nOutput Time : Hold\n",
         "", "1234.56", "", "000001 ______ ______"},
        {Type::H5, 1, "twin", {{1282, {0x56, 0x34, 0x12}}, {1286, {0x02}}},
         "\nFunction Selection : Twin Timer\nOFF Time Range : 0.01 s ~ 9999.99 s\n"
         "ON Time Range : 0.01 s ~ 9999.99 s\n",
         "", "1234.56", "", "000002 ______ ______",
         "1074 1120 1122 1124 1126 1076 1078 1080 1234 1282x2 1286x2 1664 2048 1084 1290 1065 1060 1234 "},
        {Type::H5, 2, "twoStage", {{1282, {0x56, 0x34, 0x12}}, {1158, {0x03}}, {1162, {0x04}}},
         "\nFunction Selection : 2-stage Timer\nSetting Method : Forecast Value\n"
         "Time Range : 0.01 s ~ 9999.99 s\nOutput Mode : A : Power ON Delay\n",
         "=", "1234.56", "", "000003 123456 000004"},
        // The decimal point settings 1, 3, 2 and 0 in turn.
        {Type::H7, 3, "oneStage", {{1702, {1}}, {2340, {0x56, 0x34, 0x12}}},
         "\nFunction Selection : 1-stage Counter\nInput Mode : UP\nOutput Mode : N\nCounting Speed : 30 Hz\n"
         "Input Signal Width : 20 ms\nDecimal Point Position : ---.-\n",
         "", "12345.6", "", "000000 ______ ______"},
        {Type::H7, 4, "twoStage", {{1702, {3}}, {2340, {0x56, 0x34, 0x12}}, {1712, {0x04}}},
         "\nFunction Selection : 2-stage Counter\nInput Mode : UP\nOutput Mode : N\nOutput Time 1 : Hold\n"
         "Counting Speed : 30 Hz\nInput Signal Width : 20 ms\nDecimal Point Position : -.---\n",
         "~\nFunction Selection : 2-stage Counter\nInput Mode : UP\nOutput Mode : N\nCounting Speed : 30 Hz\n",
         "123.456", "", "000000 123456 000004"},
        {Type::H7, 5, "total", {{1702, {2}}, {2340, {0x56, 0x34, 0x12}}, {2346, {0x21, 0x43, 0x65}}},
         "\nFunction Selection : 1-stage Counter\nInput Mode : UP\n", "Function Selection : Total counter",
         "1234.56", "6543.21", "000000 654321 ______"},
        {Type::H7, 6, "batch", {{2340, {0x56, 0x34, 0x12}}, {2346, {0x21, 0x43, 0x65}}, {1712, {0x06}}},
         "\nFunction Selection : 1-stage Counter\nInput Mode : UP\n", "Function Selection : Batch counter",
         "123456", "654321", "000000 654321 000006",
         "1074x4 1696x14 1708x2 1734 2340x6 1084 1290 1292 1712x2 1736 "},
        {Type::H7, 7, "dual", {{2340, {0x56, 0x34, 0x12}}, {2352, {0x77}}, {2358, {0x88}}},
         "\nFunction Selection : Dual Counter\nInput Mode : ADD\nOutput Mode : N\nCounting Speed : 30 Hz\n", "=",
         "123456", "", "000000 000077 000088"},
        {Type::H7, 8, "tacho", {{2340, {0x56, 0x34, 0x12}}, {1712, {0x08}}},
         "\nFunction Selection : Tachometer\nOutput Mode : HI_LO\nCounting Speed : 30 Hz\n"
         "Decimal Point Position : ----\n",
         "=", "123456", "", "000000 123456 000008"},
    };
    // An H8 runs every timer and counter mode, read and shown as the H5 and the H7 do.
    for (std::size_t i = 0, n = cases.size(); i < n; ++i)
        if (cases[i].type != Type::H9) {
            cases.push_back(cases[i]);
            cases.back().type = Type::H8;
        }
    return cases;
}

class EveryType : public MonitorWindow, public ::testing::WithParamInterface<TypeCase> {
protected:
    // Each cell's digit, '_' for a blank cell.
    static QString drawnRow(const std::array<MonitorImage*, 6>& cells)
    {
        QString row;
        for (const MonitorImage* cell : cells)
            row += cell->requestedName() == "image_99" ? QStringLiteral("_") : cell->requestedName().mid(6);
        return row;
    }
};

} // namespace

TEST_P(EveryType, StartsAndPolls)
{
    const TypeCase& c = GetParam();
    sim::Instrument& dev = instrument(c.type, c.mode);
    for (const Poke& p : c.pokes)
        dev.pokeBytes(p.address, p.bytes);
    frmMonitoring& f = window();
    clickStart();
    ASSERT_TRUE(f.Polling());
    ASSERT_TRUE(waitPolls(1));
    const QString type = "Type :   : " + ModelName(static_cast<int>(c.type)) + "\n";
    const QString a = box(ui(f).txtInformation_A);
    EXPECT_TRUE(a.startsWith(type)) << a.toStdString();
    EXPECT_TRUE(a.contains(c.summaryA)) << a.toStdString();
    const QString b = box(ui(f).txtInformation_B);
    if (c.summaryB[0] == '~')
        EXPECT_TRUE(b.contains(c.summaryB + 1)) << b.toStdString();
    else
        EXPECT_EQ(b, c.summaryB[0] == '=' ? a : c.summaryB[0] ? type + c.summaryB : QString());
    EXPECT_EQ(monitorState.sMonitorText[0], QString(c.text0));
    EXPECT_EQ(monitorState.sMonitorText[1], QString(c.text1));
    const PanelImages& pa = ui(f).panelA;
    const PanelImages& pb = ui(f).panelB;
    const QString rows = drawnRow(pa.image_char_B) + " " + drawnRow(pb.image_char_A) + " " + drawnRow(pb.image_char_B);
    EXPECT_EQ(rows, QString(c.rows));
    // An H8 reads its function mode before the start of that mode's half reads it again.
    std::string seen;
    for (const sim::Request& r : dev.requests())
        seen += std::to_string(r.address) + (r.countOrValue > 1 ? "x" + std::to_string(r.countOrValue) : "") + " ";
    const std::string reads = std::string("1024 1026 1028 ") + (c.type == sim::Type::H8 ? "1074 " : "") + c.reads;
    EXPECT_EQ(seen.substr(0, reads.size()), reads);
    EXPECT_FALSE(monitorState.bPollError);
    EXPECT_EQ(boxes.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Monitor, EveryType, ::testing::ValuesIn(everyTypeAndMode()),
                         [](const ::testing::TestParamInfo<TypeCase>& info) {
                             return std::string(typeName(info.param.type)) + "_" + std::to_string(info.param.mode)
                                  + "_" + info.param.name;
                         });

TEST_F(MonitorWindow, FailedStartsReturnToIdleWithOneMessage)
{
    sim::Instrument& dev = instrument(sim::Type::H8, 9);
    frmMonitoring& f = window();
    const auto expectIdle = [&](const char* what) {
        EXPECT_FALSE(f.Polling()) << what;
        EXPECT_FALSE(monitorState.bMonitoring) << what;
        EXPECT_FALSE(portOpen()) << what;
        EXPECT_EQ(ui(f).ImageStart->requestedName(), "IMAGE_START_E") << what;
        EXPECT_TRUE(ui(f).cmdMonitorStop->testAttribute(Qt::WA_Disabled)) << what;
        EXPECT_TRUE(ui(f).mCommSetting->isEnabled()) << what;
        // Nothing of an earlier instrument beside the failure.
        EXPECT_EQ(box(ui(f).txtInformation_A) + box(ui(f).txtInformation_B), "") << what;
    };
    // What a period ending while the box is up writes, errors logged.
    LogSettings errorsLogged;
    errorsLogged.bLogErrors = true;
    QString loggedAtBox;
    boxes.onBox = [&](const platform::MessageBoxRequest&) {
        loggedAtBox = monitorState.bMonitoring ? LogLine("t", errorsLogged, monitorState) : "no line";
    };
    const auto startShows = [&](const QString& text, const char* what) {
        boxes.clear();
        clickStart();
        ASSERT_EQ(boxes.count(), 1) << what;
        EXPECT_EQ(boxes.last().text, text) << what;
        EXPECT_EQ(loggedAtBox, text == "Wrong Device ID !" ? "no line" : "tError!\r\n") << what;
        expectIdle(what);
    };

    commSettings.nSlaveID = 256;
    startShows("Wrong Device ID !", "slave ID 256");
    EXPECT_TRUE(dev.requests().empty());
    commSettings.nSlaveID = 1;

    // An H8 in a function mode no reader serves.
    startShows("Wrong machine type !", "H8 mode 9");
    EXPECT_EQ(dev.requests().back().address, kRegFuncMode);

    dev.poke(kRegDeviceType + 1, 5);
    startShows("Wrong machine type !", "type 5");
    dev.poke(kRegDeviceType + 1, 4);

    dev.poke(kRegFamily2, 0x24);
    startShows("Memory address error ! ", "no 0x25");
    EXPECT_EQ(dev.requests().back().address, kRegFamily2);
    dev.poke(kRegFamily2, 0x25);

    // The next start opens the port afresh: no "COM port has been opened.", and no
    // "Error!" of a failed start, nor of failed polls, before its own first poll.
    dev.setFunctionMode(4);
    for (const char* after : {"a failed start", "failed polls"}) {
        boxes.clear();
        clickStart();
        EXPECT_TRUE(f.Polling()) << after;
        EXPECT_EQ(boxes.count(), 0) << after;
        EXPECT_EQ(LogLine("t", errorsLogged, monitorState), "t\r\n") << after;
        dev.setFault(sim::Fault::noReply());
        ASSERT_TRUE(QTest::qWaitFor([] { return monitorState.bPollError; }, 3000));
        dev.clearFaults();
        clickStop();
    }
    EXPECT_TRUE(box(ui(f).txtInformation_B).contains("2-stage Counter"));

    // A read that fails during the start: the link's own message, the port closed.
    dev.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(kRegCountInputMode_H7));
    startShows("Time out !", "time-out in the start");
    EXPECT_TRUE(commState.bSilentComm);
}

TEST_F(MonitorWindow, StopOrClosingDuringIdentificationEndsTheWaitingReadAtOnce)
{
    sim::Instrument& dev = instrument(sim::Type::H7, 3);
    commSettings.nTimeOut = 3000;
    dev.setFault(sim::Fault::delay(2000), sim::FaultScope::atAddress(kRegFamily2));
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing ? "closing" : "Stop");
        QPointer<frmMonitoring> f(&window());
        const std::size_t before = dev.requests().size();
        QElapsedTimer t;
        QTimer stopper;
        stopper.setInterval(5);
        QObject::connect(&stopper, &QTimer::timeout, [&] {
            if (dev.requests().size() == before + 2) {
                stopper.stop();
                t.start();
                if (closing)
                    f->close();
                else
                    clickStop();
            }
        });
        stopper.start();
        clickStart();
        testsupport::dropDeferredDeletes();
        EXPECT_LT(t.elapsed(), 1000);
        EXPECT_EQ(f.isNull(), closing);
        EXPECT_FALSE(monitorState.bMonitoring);
        EXPECT_FALSE(portOpen());
        EXPECT_EQ(bool(commState.bSilentComm), !closing);
        EXPECT_EQ(f ? ui(*f).ImageStart->requestedName() : "", closing ? "" : "IMAGE_START_E");
        // The user ended the start: no box, no error in panel 4, nothing started behind it.
        EXPECT_EQ(boxes.count(), 0);
        const QString panel4 = core::shell().PanelText(4);
        EXPECT_TRUE(closing ? panel4 != "Read Error" : panel4.isEmpty()) << panel4.toStdString();
        QTest::qWait(50);
        EXPECT_EQ(dev.requests().size(), before + 2);
    }
}

TEST_F(MonitorWindow, StopOrClosingUnderAWaitingPollRead)
{
    sim::Instrument& dev = instrument(sim::Type::H9);
    commSettings.nTimeOut = 1000;
    dev.pokeBytes(kRegTimerPresentA_H9[0], {0x56, 0x00, 0x34, 0x12});
    frmMonitoring& f = window();
    QPointer<frmMonitoring> guard(&f);
    QElapsedTimer t;
    // `act` runs once the poll waits for a slow lamp register.
    const auto underTheLampRead = [&](const std::function<void()>& act) {
        dev.setFault(sim::Fault::delay(800), sim::FaultScope::atAddress(kRegLamps_H9));
        QTimer watcher;
        watcher.setInterval(5);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (dev.requests().back().address == kRegLamps_H9) {
                watcher.stop();
                t.start();
                act();
            }
        });
        watcher.start();
        return QTest::qWaitFor([&] { return t.isValid() && (!guard || !ui(*guard).Timer1_monitor->isActive()); }, 3000);
    };

    clickStart();
    ASSERT_TRUE(waitPolls(2));
    ASSERT_EQ(ui(f).panelA.image_char_A[1]->requestedName(), "image_2");
    // Stop: the poll has read a new present value, but nothing of it is drawn.
    dev.pokeBytes(kRegTimerPresentA_H9[0], {0x00, 0x00, 0x00, 0x09});
    ASSERT_TRUE(underTheLampRead([&] { clickStop(); }));
    QTest::qWait(50);
    EXPECT_LT(t.elapsed(), 400);
    EXPECT_EQ(PanelNextA.byCharA[1], 9);
    EXPECT_EQ(ui(f).panelA.image_char_A[1]->requestedName(), "image_2");
    EXPECT_EQ(monitorState.sMonitorText[0], "1234.56");
    EXPECT_FALSE(f.Polling());

    // Closing the window: the read ends, the window goes, the link is left not silent.
    dev.clearFaults();
    clickStart();
    ASSERT_TRUE(waitPolls(1));
    t.invalidate();
    ASSERT_TRUE(underTheLampRead([&] { guard->close(); }));
    testsupport::dropDeferredDeletes();
    EXPECT_LT(t.elapsed(), 400);
    EXPECT_TRUE(guard.isNull());
    EXPECT_FALSE(portOpen());
    EXPECT_FALSE(monitorState.bMonitoring);
    EXPECT_FALSE(commState.bSilentComm);
    const std::size_t sent = dev.requests().size();
    QTest::qWait(50);
    EXPECT_EQ(dev.requests().size(), sent);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MonitorWindow, AnInstrumentUnpluggedWhilePolledEndsMonitoringWithOneMessage)
{
    sim::Instrument& dev = instrument(sim::Type::H9);
    frmMonitoring& f = window();
    clickStart();
    ASSERT_TRUE(waitPolls(2));
    dev.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.count() > 0; }, 2000));
    EXPECT_EQ(boxes.last().text, "Communication error!");
    EXPECT_FALSE(f.Polling());
    EXPECT_FALSE(monitorState.bMonitoring);
    EXPECT_EQ(ui(f).ImageStart->requestedName(), "IMAGE_START_E");
    EXPECT_TRUE(ui(f).mReturn->isEnabled());
    QTest::qWait(50);
    EXPECT_EQ(boxes.count(), 1);

    // Plugged in again: Start works as before, logging no "Error!" of the loss before
    // its own first poll.
    dev.start();
    qputenv("TCPANEL_COM1", QByteArray::fromStdString(dev.path()));
    boxes.clear();
    clickStart();
    LogSettings errorsLogged;
    errorsLogged.bLogErrors = true;
    EXPECT_EQ(LogLine("t", errorsLogged, monitorState), "t\r\n");
    ASSERT_TRUE(waitPolls(1));
    EXPECT_EQ(boxes.count(), 0);
}

namespace {

// Columns of img within `columns` and between rows top and bottom (exclusive) that
// hold a pixel whose grey `on` accepts, as runs [first, last]; runs closer than
// `bridge` columns are one.
std::vector<std::pair<int, int>> columnRuns(const QImage& img, std::pair<int, int> columns, int top, int bottom,
                                            int bridge, const std::function<bool(int)>& on)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = columns.first; x <= columns.second; ++x) {
        bool hit = false;
        for (int y = top; y < bottom && !hit; ++y)
            hit = on(qGray(img.pixel(x, y)));
        if (!hit)
            continue;
        if (!runs.empty() && x - runs.back().second <= bridge)
            runs.back().second = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

} // namespace

TEST_F(MonitorWindow, LampNamesAndKPShowInPlaceInEveryLanguage)
{
    sim::Instrument& dev = instrument(sim::Type::H9);
    dev.pokeBytes(1498, {0x30}); // OUT1 and OUT2 lit
    for (platform::Language lang : {platform::Language::English, platform::Language::TraditionalChinese}) {
        platform::setLanguage(lang);
        const char* language = lang == platform::Language::English ? "English" : "Chinese";
        frmMonitoring& f = window();
        f.show();
        clickStart();
        ASSERT_TRUE(waitPolls(1)) << language;
        for (const PanelImages* panel : {&ui(f).panelA, &ui(f).panelB}) {
            const QString where = QStringLiteral("%1, %2").arg(language, panel->frame->objectName());
            const QImage shot = panel->frame->grab().toImage();
            const QRect lamps = panel->image_week->geometry();
            const QRect names = ui(f).lblRstOut[panel == &ui(f).panelA ? 0 : 1]->geometry();
            const std::pair<int, int> row{lamps.left(), lamps.right()};
            // The lamps, dark grey or white on black, across the row's middle line.
            const int middle = lamps.center().y();
            const auto cells = columnRuns(shot, row, middle, middle + 1, 1, [](int grey) { return grey > 30; });
            ASSERT_EQ(cells.size(), 7u) << where.toStdString();
            const auto lit = [&](std::size_t cell) {
                return qGray(shot.pixel((cells[cell].first + cells[cell].second) / 2, middle)) > 200;
            };
            EXPECT_EQ((std::vector<bool>{lit(0), lit(1), lit(2), lit(3), lit(4), lit(5), lit(6)}),
                      (std::vector<bool>{false, false, false, false, true, false, true}))
                << where.toStdString();
            // The names' ink: letters of a word touch or nearly so, words lie far apart.
            const auto words = columnRuns(shot, row, names.top(), names.bottom() + 1, 4, [](int grey) { return grey > 100; });
            ASSERT_EQ(words.size(), 4u) << where.toStdString();
            for (std::size_t k = 0; k < 4; ++k) {
                const double centre = (words[k].first + words[k].second) / 2.0;
                const auto [left, right] = cells[2 * k];
                EXPECT_TRUE(centre >= left && centre <= right)
                    << where.toStdString() << ": name " << k + 1 << " centred at " << centre << ", lamp cell "
                    << 2 * k + 1 << " spans " << left << ".." << right;
            }
            // K/P reaches past the panel's left edge, yet its letters stand wholly on the panel.
            MonitorImage* kp = panel->image_str_KP;
            const auto kpInk = columnRuns(kp->grab().toImage(), {0, kp->width() - 1}, 0, kp->height(), 0,
                                          [](int grey) { return grey > 30; });
            ASSERT_FALSE(kpInk.empty()) << where.toStdString();
            EXPECT_GE(kp->x() + kpInk.front().first, 0) << where.toStdString() << ": K/P cut off";
        }
        clickStop();
        testsupport::closeChildWindows();
    }
}

TEST_F(MonitorWindow, H9CounterPointsAndLoggedTextForEveryDecimalPoint)
{
    sim::Instrument& dev = instrument(sim::Type::H9);
    dev.pokeBytes(1184, {0x56, 0x00, 0x34, 0x12});             // timer A: 1234.56
    dev.pokeBytes(1504, {0x56, 0x04, 0x23, 0x00, 0x01, 0x00}); // counter B: 000123.456
    frmMonitoring& f = window();
    const PanelImages& b = ui(f).panelB;
    LogSettings log;
    log.sLogDelimiter = ",";
    // The lit separator leaves d digits to its right; the counter has three decimals,
    // so a fourth leaves the row blank and the poll failed.
    const struct {
        int separator; // lit one in reading order: after digit 1, 2, 3, 4; -1 none
        const char* text;
    } expected[5] = {{-1, "000123"}, {3, "00123.4"}, {2, "0123.45"}, {1, "123.456"}, {0, "  .    "}};
    for (int d = 0; d <= 4; ++d) {
        dev.poke(1364, static_cast<std::uint8_t>(d));
        clickStart();
        ASSERT_TRUE(waitPolls(1)) << "point " << d;
        const std::array<std::array<MonitorImage*, 4>, 2> rows = {
            {{b.image_DPCol_A[0], b.image_DP_A[0], b.image_DPCol_A[1], b.image_DP_A[1]},
             {b.image_DPCol_B[0], b.image_DP_B[0], b.image_DPCol_B[1], b.image_DP_B[1]}}};
        for (const auto& cells : rows)
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(cells[static_cast<std::size_t>(i)]->requestedName(),
                          QString(i % 2 == 0 ? "image_dpcol_" : "image_dp_") + (i == expected[d].separator ? "1" : "0"))
                    << "point " << d << ", " << cells[static_cast<std::size_t>(i)]->objectName().toStdString();
        EXPECT_EQ(LogLine("t", log, monitorState), QString("t,1234.56,") + expected[d].text + "\r\n") << "point " << d;
        EXPECT_EQ(monitorState.bPollError, d == 4) << "point " << d;
        clickStop();
    }
    EXPECT_EQ(boxes.count(), 0);
}
