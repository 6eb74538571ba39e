#include "core/shell.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <set>

namespace core {

namespace {

class DetachedButton : public ToolbarButtonState {
public:
    bool Visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool Enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool Value() const override { return value_; }
    void setValue(bool pressed) override { value_ = pressed; }
    QString Image() const override { return image_; }
    void setImage(const QString& imageKey) override { image_ = imageKey; }

private:
    bool visible_ = true;
    bool enabled_ = true;
    bool value_ = false;
    QString image_;
};

// The shell while no main window is installed.
class DetachedShell : public Shell {
public:
    QString PanelText(int panel) const override
    {
        return panel >= 1 && panel <= 4 ? panels_[static_cast<std::size_t>(panel - 1)] : QString();
    }
    void setPanelText(int panel, const QString& text) override
    {
        if (panel >= 1 && panel <= 4)
            panels_[static_cast<std::size_t>(panel - 1)] = text;
    }
    ToolbarButtonState& Buttons(int index) override
    {
        Q_ASSERT(index >= 1 && index <= 12);
        return buttons_.at(static_cast<std::size_t>(index - 1));
    }
    bool ToolbarVisible() const override { return toolbarVisible_; }
    void setToolbarVisible(bool visible) override { toolbarVisible_ = visible; }
    bool isToolbarAction(const QAction*) const override { return false; }
    void showChild(QWidget* form) override
    {
        active_ = form;
        form->show();
    }
    QWidget* ActiveForm() const override { return active_.data(); }
    void setChildCaption(QWidget* form, const QString& caption) override { form->setWindowTitle(caption); }
    void mNew_Click() override {}
    void mOpen_Click() override {}
    void mUpload_Click() override {}
    void mExit_Click() override {}
    void mVelHelp_Click() override {}
    void mAbout_Click() override {}
    void mMonitoring_Click() override {}

private:
    std::array<QString, 4> panels_;
    std::array<DetachedButton, 12> buttons_;
    bool toolbarVisible_ = true;
    QPointer<QWidget> active_;
};

Shell* g_installed = nullptr;

std::set<const Shell*>& liveShells()
{
    static std::set<const Shell*> s;
    return s;
}

DetachedShell& detached()
{
    static DetachedShell s;
    return s;
}

} // namespace

Shell::Shell() { liveShells().insert(this); }

Shell::~Shell()
{
    liveShells().erase(this);
    if (g_installed == this)
        g_installed = nullptr;
}

Shell& shell() { return g_installed ? *g_installed : detached(); }

Shell* setShell(Shell* s)
{
    Shell* previous = g_installed;
    g_installed = s && liveShells().count(s) ? s : nullptr;
    return previous;
}

ShellEvents& shellEvents()
{
    static ShellEvents events;
    return events;
}

void SetStatusPanel(int panel, const QString& text) { shell().setPanelText(panel, text); }

} // namespace core
