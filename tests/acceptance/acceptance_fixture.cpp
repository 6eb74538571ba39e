#include "acceptance/acceptance_fixture.h"

#include "app/frmLogin.h"
#include "app/frmMDI.h"
#include "app/frmMacTypeSel.h"
#include "core/machine_type.h"
#include "editors/common/digit_label_array.h"
#include "platform/strings.h"
#include "support/deferred_delete.h"
#include "support/link_support.h"
#include "support/main_window.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>

namespace acceptance {

QStringList modeTexts(QWidget* form)
{
    QStringList texts;
    QMenuBar* bar = form ? form->findChild<QMenuBar*>() : nullptr;
    if (!bar) {
        ADD_FAILURE() << "no editor with a menu bar";
        return texts;
    }
    for (QAction* top : bar->actions())
        if (top->menu() && top->text() == platform::LoadResString(res::kMenuFunctionSelection))
            for (QAction* a : top->menu()->actions())
                if (!a->isSeparator() && a->isVisible())
                    texts << a->text();
    return texts;
}

QStringList rowsShown(QWidget* form)
{
    QStringList out;
    if (!form) {
        ADD_FAILURE() << "no editor";
        return out;
    }
    for (DigitLabelArray* row : form->findChildren<DigitLabelArray*>())
        if (row->isVisibleTo(form))
            out << row->objectName() + " " + row->digits();
    return out;
}

const std::vector<Model>& models()
{
    static const std::vector<Model> all = {{sim::Type::H9, kMacTypeH9, 0, "H9"},
                                           {sim::Type::H5, kMacTypeH5, 1, "H5"},
                                           {sim::Type::H7, kMacTypeH7, 2, "H7"},
                                           {sim::Type::H8, kMacTypeH8, 3, "H8"}};
    return all;
}

void Acceptance::SetUp()
{
    enterUserFolder();
    ::unsetenv("TCPANEL_COM1");
}

void Acceptance::TearDown()
{
    endProgram();
    frmMDI::sCmdLine.clear();
    if (instrument)
        instrument->stop();
    ::unsetenv("TCPANEL_COM1");
    leaveUserFolder();
}

sim::Instrument& Acceptance::plugIn(sim::Type type, int slaveId, std::optional<int> mode)
{
    if (instrument)
        instrument->stop();
    instrument = std::make_unique<sim::Instrument>(type, slaveId, mode);
    instrument->start();
    ::setenv("TCPANEL_COM1", instrument->path().c_str(), 1);
    return *instrument;
}

void Acceptance::unplug()
{
    if (instrument)
        instrument->stop();
}

frmMDI& Acceptance::startProgram(const QString& commandLine)
{
    frmLogin::Start(commandLine);
    frmMDI& mdi = frmMDI::instance();
    EXPECT_TRUE(mdi.isVisible());
    QApplication::setActiveWindow(&mdi);
    return mdi;
}

void Acceptance::exitProgram()
{
    const int before = boxes.count();
    boxes.answer(platform::MsgResult::Yes);
    menu({res(127), res(138)});
    ASSERT_GT(boxes.count(), before);
    EXPECT_EQ(boxes.shown()[static_cast<std::size_t>(before)].text, res(246));
    EXPECT_FALSE(frmMDI::isLoaded() && frmMDI::instance().isVisible()) << "the main window stays";
    // The process ends here: nothing of this run is left for the next.
    endProgram();
}

void Acceptance::endProgram()
{
    testsupport::closeWindows();
    testsupport::closeLink();
}

void Acceptance::newSet(const Model& model)
{
    whenModal<frmMacTypeSel>([option = model.option](frmMacTypeSel& chooser) {
        Ui_frmMacTypeSel& c = ui(chooser);
        QRadioButton* opt = c.grpType[static_cast<std::size_t>(option)];
        QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(8, opt->height() / 2));
        QTest::mouseClick(c.OKButton, Qt::LeftButton);
    });
    menu({res(127), res(133)});
}

QAction* Acceptance::menuItem(const QStringList& path) const
{
    QMenuBar* bar = nullptr;
    if (QWidget* form = activeForm())
        bar = form->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        bar = frmMDI::instance().menuBar();
    QList<QAction*> items = bar->actions();
    QAction* found = nullptr;
    for (const QString& step : path) {
        found = nullptr;
        for (QAction* a : items)
            if (!a->isSeparator()
                && platform::withoutAccelerator(a->text()).trimmed() == platform::withoutAccelerator(step).trimmed())
                found = a;
        if (!found)
            return nullptr;
        items = found->menu() ? found->menu()->actions() : QList<QAction*>();
    }
    return found;
}

void Acceptance::menu(const QStringList& path)
{
    QAction* a = menuItem(path);
    ASSERT_NE(a, nullptr) << "no menu item " << path.join(" > ").toStdString();
    ASSERT_TRUE(a->isVisible() && a->isEnabled()) << path.join(" > ").toStdString() << " cannot be clicked";
    QApplication::setActiveWindow(&frmMDI::instance());
    a->trigger();
    testsupport::dropDeferredDeletes();
}

bool Acceptance::menuEnabled(const QStringList& path) const
{
    const QAction* a = menuItem(path);
    EXPECT_NE(a, nullptr) << "no menu item " << path.join(" > ").toStdString();
    return a && a->isEnabled();
}

void Acceptance::toolbar(const QString& key)
{
    frmMDI& mdi = frmMDI::instance();
    for (int i = 1; i <= ui(mdi).Toolbar1->Count(); ++i) {
        ToolbarButton& b = ui(mdi).Toolbar1->Buttons(i);
        if (b.Key() != key)
            continue;
        QWidget* button = ui(mdi).Toolbar1->widgetForAction(b.action());
        ASSERT_TRUE(button && b.Visible() && b.Enabled()) << "toolbar button " << key.toStdString() << " cannot be clicked";
        QApplication::setActiveWindow(&mdi);
        QTest::mouseClick(button, Qt::LeftButton);
        testsupport::dropDeferredDeletes();
        return;
    }
    ADD_FAILURE() << "no toolbar button " << key.toStdString();
}

void Acceptance::click(QWidget* w, Qt::MouseButton button)
{
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << w->objectName().toStdString() << " cannot be clicked";
    if (!QApplication::activeModalWidget())
        QApplication::setActiveWindow(&frmMDI::instance());
    QTest::mouseClick(w, button);
    testsupport::dropDeferredDeletes();
}

void Acceptance::key(int k, Qt::KeyboardModifiers m, QWidget* w)
{
    if (!QApplication::activeModalWidget())
        QApplication::setActiveWindow(&frmMDI::instance());
    if (w)
        w->setFocus(Qt::TabFocusReason);
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "nothing has the keyboard focus";
    QTest::keyClick(target, static_cast<Qt::Key>(k), m);
    testsupport::dropDeferredDeletes();
}

void Acceptance::type(const QString& text)
{
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "nothing has the keyboard focus";
        QTest::keyClicks(target, QString(c));
    }
}

void Acceptance::tabTo(QWidget* w)
{
    ASSERT_NE(w, nullptr);
    for (int i = 0; i < 200 && QApplication::focusWidget() != w; ++i) {
        key(Qt::Key_Tab);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    ASSERT_EQ(QApplication::focusWidget(), w) << "Tab never reaches " << w->objectName().toStdString();
}

QString Acceptance::panel(int n) { return frmMDI::isLoaded() ? frmMDI::instance().PanelText(n) : QString(); }

QWidget* Acceptance::activeForm() { return frmMDI::isLoaded() ? frmMDI::instance().ActiveForm() : nullptr; }

QString Acceptance::caption()
{
    QWidget* form = activeForm();
    return form ? form->windowTitle() : QString();
}

QStringList Acceptance::boxTexts() const
{
    QStringList texts;
    for (const platform::MessageBoxRequest& b : boxes.shown())
        texts << b.text;
    return texts;
}

QString Acceptance::res(int id) { return platform::LoadResString(id); }

} // namespace acceptance
