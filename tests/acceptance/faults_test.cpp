// Faults a user meets: the instrument unplugged during a download and during
// monitoring, a wrong slave ID, a file that is no settings file, and folders that take
// no file for Save and for the log. Each gives its message, the program stays usable,
// and no piece of a file is left on disk.
#include "acceptance/acceptance_fixture.h"

#include "app/frmMDI.h"
#include "link/frmCommSetup.h"
#include "monitor/frmLogging.h"
#include "monitor/frmMonitoring.h"
#include "support/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

using namespace acceptance;

namespace {

// A folder that takes no new file: closed by its permissions, or for root, whom they
// do not stop, by the immutable attribute.
class ClosedFolder {
public:
    explicit ClosedFolder(const QString& dir) : dir_(dir)
    {
        QDir().mkpath(dir);
        if (geteuid() == 0)
            QProcess::execute("chattr", {"+i", dir});
        else
            QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile probe(dir + "/probe");
        closed_ = !probe.open(QIODevice::WriteOnly);
        if (!closed_)
            probe.remove();
    }
    ~ClosedFolder()
    {
        if (geteuid() == 0)
            QProcess::execute("chattr", {"-i", dir_});
        QFile::setPermissions(dir_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool closed() const { return closed_; }
    QString file(const QString& name) const { return dir_ + "/" + name; }
    QStringList entries() const { return QDir(dir_).entryList(QDir::Files | QDir::Hidden | QDir::System); }

private:
    QString dir_;
    bool closed_ = false;
};

// Clears a text box from the keyboard and types `text` into it.
void retype(QLineEdit* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_End);
    while (!box->text().isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

} // namespace

TEST_F(Acceptance, FaultsAUserMeets)
{
    boxes.autoAcknowledgeOk();
    // The boxes since the last clear, as one text.
    const auto shown = [this] { return boxTexts().join(" | ").toStdString(); };
    const auto text = [](int id) { return res(id).toStdString(); };
    const auto monitor = [this] {
        menu({res(130), res(149)});
        return frmMonitoring::loaded();
    };
    // The cable pulled once the instrument has seen `n` more requests.
    QTimer puller;
    std::size_t pullAt = 0;
    puller.setInterval(1);
    QObject::connect(&puller, &QTimer::timeout, [&] {
        if (instrument->running() && instrument->requests().size() >= pullAt) {
            puller.stop();
            unplug();
        }
    });
    const auto unplugAfter = [&](std::size_t n) {
        pullAt = instrument->requests().size() + n;
        puller.start();
    };

    // Unplugged in the middle of a download and of monitoring.
    for (const Model& m : models()) {
        SCOPED_TRACE(m.name);
        // What the boxes of a lost port say of the device under their message.
        const auto gone = [&] { return QString("COM1 is %1: the device has gone").arg(instrument->path().c_str()); };
        plugIn(m.type);
        QString lost = gone();
        startProgram();
        newSet(m);
        QWidget* editor = activeForm();
        boxes.clear();
        unplugAfter(8);
        toolbar("Download");
        // The cable may go while a request waits for its reply or between two.
        EXPECT_TRUE(shown() == text(277) || shown() == text(270)) << shown();
        EXPECT_TRUE(boxes.count() && boxes.last().detail.startsWith(lost)) << shown();
        EXPECT_EQ(panel(4), res(261));
        EXPECT_EQ(activeForm(), editor);
        // Plugged in again, the same Download goes through.
        plugIn(m.type);
        lost = gone();
        boxes.clear();
        toolbar("Download");
        EXPECT_EQ(shown(), text(264));

        frmMonitoring* f = monitor();
        ASSERT_NE(f, nullptr);
        boxes.clear();
        click(ui(*f).ImageStart);
        ASSERT_EQ(ui(*f).ImageStop->requestedName(), "IMAGE_STOP_E") << "not running";
        // On the first two models with a log running: it must not go on writing the last
        // values as if the instrument still sent them. The second logs no errors, over a
        // period longer than the test: it writes nothing of the loss.
        const bool logging = &m - &models().front() < 2, logErrors = &m == &models().front();
        const QString log = path(logErrors ? "values.txt" : "quiet.txt");
        if (logging) {
            dialogs.accept(log);
            whenModal<frmLogging>([logErrors](frmLogging& d) {
                ui(d).chkLogError->setChecked(logErrors);
                if (!logErrors)
                    ui(d).txtScanRate->setText("3600");
                QTest::mouseClick(ui(d).OKButton, Qt::LeftButton);
            });
            menu({res(131), res(353)});
            ASSERT_TRUE(QTest::qWaitFor([&] { return !logErrors || !testhelp::readRaw(log).isEmpty(); }, 3000));
        }
        QString panelAtBox;
        boxes.onBox = [&](const platform::MessageBoxRequest&) { panelAtBox = panel(4); };
        unplugAfter(10);
        EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.count() > 0; }, 3000)) << "no word of the lost instrument";
        boxes.onBox = {};
        EXPECT_EQ(shown(), text(266));
        EXPECT_TRUE(boxes.count() && boxes.last().detail.startsWith(lost)) << shown();
        EXPECT_EQ(panelAtBox, "Read Error");
        EXPECT_EQ(panel(4), "Read Error");
        EXPECT_EQ(ui(*f).ImageStart->requestedName(), "IMAGE_START_E");
        const std::size_t sent = instrument->requests().size();
        const QByteArray logged = testhelp::readRaw(log);
        QTest::qWait(logging ? 1200 : 30);
        EXPECT_EQ(instrument->requests().size(), sent) << "still polling";
        if (logging) {
            EXPECT_EQ(testhelp::readRaw(log), logged);
            // One line tells of the loss, and the log ends there.
            EXPECT_TRUE(logged.endsWith(logErrors ? "     Error!\r\n" : "")) << logged.right(80).toStdString();
            EXPECT_EQ(logged.count(logErrors ? "Error!" : "\r\n"), logErrors ? 1 : 0);
        }
        click(ui(*f).ImageReturn);
        EXPECT_EQ(activeForm(), editor);
        exitProgram();
    }

    // A slave ID nobody answers: the time-out, for a download and for monitoring.
    plugIn(sim::Type::H5, 1);
    startProgram();
    newSet(models()[1]);
    whenModal<frmCommSetup>([](frmCommSetup& d) {
        Ui_frmCommSetup& c = ui(d);
        retype(c.txtTimeOut, "100");
        retype(c.cboDeviceID_Menu->lineEdit(), "05");
        QTest::mouseClick(c.cmdOK, Qt::LeftButton);
    });
    menu({res(131), res(103)});
    EXPECT_EQ(panel(3), "Device ID(Hex) : 05");
    boxes.clear();
    toolbar("Download");
    EXPECT_EQ(shown(), text(268));
    EXPECT_EQ(panel(4), res(261));
    frmMonitoring* f = monitor();
    ASSERT_NE(f, nullptr);
    click(ui(*f).ImageStart);
    EXPECT_EQ(shown(), text(268) + " | " + text(268));
    EXPECT_EQ(ui(*f).ImageStart->requestedName(), "IMAGE_START_E");
    click(ui(*f).ImageReturn);

    // Files that are no settings file: refused, and the main window goes on.
    menu({res(127), res(135)});
    ASSERT_EQ(activeForm(), nullptr);
    {
        QFile notes(path("notes.kvf"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("a shopping list, not a set\r\n");
        QFile big(path("picture.kvf"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(300, '\x7f'));
        // A settings file's first line over anything else, for each type.
        for (const char* type : {"01", "02", "03", "04"}) {
            QFile headed(path(QString("header%1.kvf").arg(type)));
            ASSERT_TRUE(headed.open(QIODevice::WriteOnly));
            headed.write(QByteArray("0100") + type + "0A" + QByteArray(250, 'Z'));
        }
    }
    for (const char* name :
         {"notes.kvf", "picture.kvf", "header01.kvf", "header02.kvf", "header03.kvf", "header04.kvf"}) {
        boxes.clear();
        dialogs.accept(path(name));
        menu({res(127), res(134)});
        EXPECT_EQ(shown(), text(282)) << name;
        EXPECT_EQ(panel(4), res(248)) << name;
        EXPECT_EQ(activeForm(), nullptr) << name;
    }
    // And named on the command line.
    exitProgram();
    boxes.clear();
    startProgram(path("notes.kvf"));
    EXPECT_EQ(shown(), text(282));
    EXPECT_EQ(activeForm(), nullptr);

    // A folder that takes no file: Save As and the log fail with their message, and
    // leave nothing in it.
    ClosedFolder closed(path("closed"));
    if (!closed.closed())
        GTEST_SKIP() << "this system cannot close a folder to new files";
    newSet(models()[0]);
    boxes.clear();
    dialogs.accept(closed.file("set.kvf"));
    menu({res(127), res(137)});
    EXPECT_EQ(shown(), text(253));
    EXPECT_EQ(caption(), "Unknown01.kvf");
    EXPECT_EQ(closed.entries(), QStringList());
    // Saved elsewhere, the set is whole.
    dialogs.accept(path("set.kvf"));
    menu({res(127), res(137)});
    EXPECT_EQ(caption(), "set.kvf");
    EXPECT_EQ(testhelp::readRaw(path("set.kvf")).size(), 256);

    f = monitor();
    ASSERT_NE(f, nullptr);
    boxes.clear();
    dialogs.accept(closed.file("log.txt"));
    whenModal<frmLogging>([](frmLogging& d) { QTest::mouseClick(ui(d).OKButton, Qt::LeftButton); });
    menu({res(131), res(353)});
    EXPECT_EQ(shown(), text(253));
    EXPECT_TRUE(menuEnabled({res(131), res(353)}));
    EXPECT_FALSE(menuEnabled({res(131), res(352)}));
    EXPECT_EQ(closed.entries(), QStringList());
    click(ui(*f).ImageReturn);
    EXPECT_EQ(caption(), "set.kvf");
}
