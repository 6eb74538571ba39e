// Both editors, driven through every function mode and every choice that names a
// timing diagram, find a generated picture for each: the file they ask for loads and is
// shown at the size it was drawn. Run against the build's own data folder.
#include "catalogue.h"
#include "diagram_painter.h"

#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h5h7/h5h7_diagrams.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "support/form_access.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QMap>
#include <QSet>
#include <QTest>

namespace {

// A user's pick in a list: the item becomes current and the list reports the choice.
void pick(QComboBox* combo, int index)
{
    ASSERT_LT(index, combo->count()) << combo->objectName().toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QString relative(const QString& file) { return QDir(QStringLiteral(TCPANEL_DATA_DIR)).relativeFilePath(file); }

const QMap<QString, diagram::Diagram>& drawn()
{
    static const QMap<QString, diagram::Diagram> all = [] {
        QMap<QString, diagram::Diagram> m;
        for (const diagram::Picture& p : diagram::allPictures())
            m.insert(p.path, p.diagram);
        return m;
    }();
    return all;
}

class DiagramCoverage : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        platform::setAppDataDir(QStringLiteral(TCPANEL_DATA_DIR));
    }
    void TearDown() override
    {
        testsupport::closeEditorWindows();
        platform::setAppDataDir(QString());
    }

    // The picture the image asked for last is on show, at its drawn size, and (when a
    // list names the mode) carries that list's text as its title. Returns its name.
    QString check(const ImageControl* image, const QComboBox* titleList = nullptr)
    {
        const QString name = relative(image->requestedFile());
        EXPECT_FALSE(image->requestedFile().isEmpty()) << image->objectName().toStdString();
        EXPECT_EQ(image->shownFile(), image->requestedFile()) << "not loaded: " << name.toStdString();
        EXPECT_EQ(image->pixmap().size(), diagram::kPictureSize) << name.toStdString();
        if (titleList && drawn().contains(name)) {
            EXPECT_EQ(drawn()[name].title, titleList->currentText().trimmed()) << name.toStdString();
        }
        asked.insert(name);
        return name;
    }

    QSet<QString> asked;
};

QSet<QString> drawnUnder(const QString& prefix)
{
    QSet<QString> out;
    for (const QString& path : drawn().keys())
        if (path.startsWith(prefix))
            out.insert(path);
    return out;
}

} // namespace

TEST_F(DiagramCoverage, H9EditorFindsAPictureForEveryChoice)
{
    frmModeSetting_H9& f = frmModeSetting_H9::instance();
    auto& u = ui(f);

    // Timer + counter: the timer's outputs, the counter's inputs and outputs.
    u.mFuncModeSelect_0->trigger();
    for (int o = 0; o < u.cboOutputModeA->count(); ++o) {
        pick(u.cboOutputModeA, o);
        check(u.Image_Output_A, u.cboOutputModeA);
    }
    for (int in = 0; in < u.cboCountInputModeB->count(); ++in) {
        pick(u.cboCountInputModeB, in);
        for (int o = 0; o < u.cboOutputModeB->count(); ++o) {
            pick(u.cboOutputModeB, o);
            check(u.Image_Output_B, u.cboOutputModeB);
        }
    }
    // Timer + tachometer.
    u.mFuncModeSelect_1->trigger();
    for (int o = 0; o < u.cboOutputModeB_F->count(); ++o) {
        pick(u.cboOutputModeB_F, o);
        check(u.Image_Output_B, u.cboOutputModeB_F);
    }
    // Counter with total or batch counter: the first counter's output, the second's
    // input and the outputs its list holds in the sub-mode.
    for (QAction* mode : {u.mFuncModeSelect_2, u.mFuncModeSelect_3}) {
        mode->trigger();
        for (int o0 = 0; o0 < u.cboOutputMode_C_Dual_0->count(); ++o0) {
            pick(u.cboOutputMode_C_Dual_0, o0);
            for (int in = 0; in < u.cboCountInputMode_C_Dual_1->count(); ++in) {
                pick(u.cboCountInputMode_C_Dual_1, in);
                for (int o1 = 0; o1 < u.cboOutputMode_C_Dual_1->count(); ++o1) {
                    pick(u.cboOutputMode_C_Dual_1, o1);
                    check(u.Image_Output_A);
                }
            }
        }
    }
    // Two counters: the first on channel A by its output, the second on channel B.
    u.mFuncModeSelect_4->trigger();
    for (int o0 = 0; o0 < u.cboOutputMode_C_Dual_0->count(); ++o0) {
        pick(u.cboOutputMode_C_Dual_0, o0);
        check(u.Image_Output_A);
    }
    for (int in = 0; in < u.cboCountInputMode_C_Dual_1->count(); ++in) {
        pick(u.cboCountInputMode_C_Dual_1, in);
        for (int o1 = 0; o1 < u.cboOutputMode_C_Dual_1->count(); ++o1) {
            pick(u.cboOutputMode_C_Dual_1, o1);
            check(u.Image_Output_B, u.cboOutputMode_C_Dual_1);
        }
    }
    // 2-stage timer and the tachometer with two set values: both choices in one picture.
    for (auto [mode, a, b] : {std::tuple{u.mFuncModeSelect_5, u.cboOutputMode_T_Dual_0, u.cboOutputMode_T_Dual_1},
                              std::tuple{u.mFuncModeSelect_6, u.cboOutputModeA_Dual_F, u.cboOutputModeB_Dual_F}}) {
        mode->trigger();
        for (int i = 0; i < a->count(); ++i)
            for (int j = 0; j < b->count(); ++j) {
                pick(a, i);
                pick(b, j);
                check(u.Image_Output_A);
            }
    }

    // Every picture drawn for the H9 was asked for, but those of the two counters'
    // Output_DC name, which the editor asks for only while it refills the second
    // counter's lists and replaces at once.
    QSet<QString> unasked = drawnUnder(QStringLiteral("Picture/733/")) - asked;
    for (const QString& name : unasked)
        EXPECT_TRUE(name.startsWith(QLatin1String("Picture/733/Output_DC/image_Dual_Counter_Out_2_")))
            << "drawn but never asked for: " << name.toStdString();
    EXPECT_EQ(unasked.size(), 2 * 8);
    EXPECT_TRUE((asked - drawnUnder(QStringLiteral("Picture/733/"))).isEmpty());
}

TEST_F(DiagramCoverage, H5H7EditorFindsAPictureForEveryChoice)
{
    // An H8 set offers all nine modes in one window.
    nMacType = kMacTypeH8;
    frmModeSetting_H7& f = frmModeSetting_H7::instance();
    auto& u = ui(f);

    // Timer: every output mode; b and b-1 with and without an output time.
    u.mFuncModeSelect_0->trigger();
    DigitLabelArray& outputTime = *u.lblHoldTime_A_H5;
    for (int o = 0; o < u.cboOutputMode_A_H5->count(); ++o) {
        pick(u.cboOutputMode_A_H5, o);
        check(u.Image_Output_A, u.cboOutputMode_A_H5);
        if (o == 4 || o == 5) {
            outputTime.setDigits(QStringLiteral("000000"));
            pick(u.cboOutputMode_A_H5, o);
            EXPECT_TRUE(check(u.Image_Output_A).endsWith(QLatin1String("_0_0.jpg")));
            QTest::mouseClick(&outputTime(5), Qt::LeftButton);
            EXPECT_TRUE(check(u.Image_Output_A, u.cboOutputMode_A_H5).endsWith(QLatin1String("_1_0.jpg")));
        }
    }
    u.mFuncModeSelect_1->trigger();
    for (int o = 0; o < u.cboOutputMode_B_H5->count(); ++o) {
        pick(u.cboOutputMode_B_H5, o);
        check(u.Image_Output_A, u.cboOutputMode_B_H5);
    }
    u.mFuncModeSelect_2->trigger();
    for (int o = 0; o < u.cboOutputMode_C_H5->count(); ++o) {
        pick(u.cboOutputMode_C_H5, o);
        check(u.Image_Output_A, u.cboOutputMode_C_H5);
    }

    // Counters: each input mode with the outputs its list then holds; the total and
    // batch counters also draw channel B.
    struct Panel {
        QAction* mode;
        QComboBox* input;
        QComboBox* output;
        bool channelB;
    };
    for (const Panel& p : {Panel{u.mFuncModeSelect_3, u.cboCountInputMode_1st_H7, u.cboOutputMode_1st_H7, false},
                           Panel{u.mFuncModeSelect_4, u.cboCountInputMode_2nd_H7, u.cboOutputMode_2nd_H7, false},
                           Panel{u.mFuncModeSelect_5, u.cboCountInputMode_1st_H7, u.cboOutputMode_1st_H7, true},
                           Panel{u.mFuncModeSelect_6, u.cboCountInputMode_batch_H7, u.cboOutputMode_batch_H7, true},
                           Panel{u.mFuncModeSelect_7, u.cboCountInputMode_batch_H7, u.cboOutputMode_batch_H7, false}}) {
        p.mode->trigger();
        const bool dual = p.mode == u.mFuncModeSelect_7;
        for (int in = 0; in < p.input->count(); ++in) {
            pick(p.input, in);
            for (int o = 0; o < p.output->count(); ++o) {
                pick(p.output, o);
                // The dual counter's one picture is titled with its mode.
                check(u.Image_Output_A, dual ? nullptr : p.output);
                if (p.channelB)
                    check(u.Image_Output_B);
            }
        }
    }
    u.mFuncModeSelect_8->trigger();
    for (int o = 0; o < u.cboOutputMode_freq_H7->count(); ++o) {
        pick(u.cboOutputMode_freq_H7, o);
        check(u.Image_Output_A, u.cboOutputMode_freq_H7);
    }

    // What the window asked for is what its own list of names gives, and what is drawn.
    const QStringList listed = H5DiagramPaths() + H7DiagramPaths();
    EXPECT_EQ(asked, QSet<QString>(listed.begin(), listed.end()));
    EXPECT_EQ(asked, drawnUnder(QStringLiteral("Picture/73")) - drawnUnder(QStringLiteral("Picture/733/")));
}
