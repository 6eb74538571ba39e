// One main for every test executable: a QApplication on the offscreen platform so
// widgets can be built and clicked without a display, and the end of each test for
// what it left waiting in the event loop (support/modal.h, support/test_scope.h).
#include "support/modal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Its OnTestEnd runs before the result is printed, so a failure there counts for the test.
struct EndOfTest : ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        testsupport::endModalWaits();
        testsupport::endTestScope();
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new EndOfTest);
    QApplication app(argc, argv);
    // Qt's own settings (the file dialogs' folders and column widths) live for this run only.
    const QTemporaryDir qtSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qtSettings.path());
    return RUN_ALL_TESTS();
}
