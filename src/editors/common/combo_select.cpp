#include "editors/common/combo_select.h"

#include "core/shell.h"

#include <QSignalBlocker>

namespace {

// Holds a combo's handler as a child object, so it lives and dies with the combo.
class ComboClickBinding : public QObject {
public:
    ComboClickBinding(QComboBox* combo, std::function<void()> handler)
        : QObject(combo), handler_(std::move(handler))
    {
        setObjectName(QStringLiteral("ComboClickBinding"));
        connect(combo, &QComboBox::activated, this, [this](int) { handler_(); });
    }
    void run() { handler_(); }

private:
    std::function<void()> handler_;
};

ComboClickBinding* bindingOf(QComboBox* combo)
{
    return combo->findChild<ComboClickBinding*>(QStringLiteral("ComboClickBinding"),
                                                Qt::FindDirectChildrenOnly);
}

} // namespace

void BindComboClick(QComboBox* combo, std::function<void()> handler)
{
    delete bindingOf(combo);
    new ComboClickBinding(combo, std::move(handler));
}

bool SetListIndex(QComboBox* combo, int index)
{
    if (!combo || index < 0 || index >= combo->count())
        return false;
    {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index);
    }
    if (ComboClickBinding* b = bindingOf(combo))
        b->run();
    return true;
}

void FillComboList(QComboBox* combo, const QStringList& items)
{
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

bool StoreSetting(quint8& byte, int value)
{
    if (value < 0 || value > 255)
        return false;
    if (byte != static_cast<quint8>(value))
        core::shell().bChange = true;
    byte = static_cast<quint8>(value);
    return true;
}

bool StoreComboIndex(const QComboBox* combo, quint8& byte) { return StoreSetting(byte, combo->currentIndex()); }
