#pragma once
// Option combos of the editors. A combo's selection handler ("..._Click") runs both
// when the user picks an item and when code (a loader, a refresh) sets the list index.
// The user path is QComboBox::activated; the code path is SetListIndex, which selects
// with the combo's signals blocked and then runs the handler itself, so the handler
// runs exactly once either way.
#include <QComboBox>
#include <QStringList>

#include <functional>

// Makes `handler` the combo's selection handler (replacing an earlier one) and
// connects it to the user's choice.
void BindComboClick(QComboBox* combo, std::function<void()> handler);

// Selects item `index` and runs the combo's selection handler. An index outside the
// list (including -1) is refused: nothing changes, no handler runs and the result is
// false, so a loader can turn it into its fail code.
[[nodiscard]] bool SetListIndex(QComboBox* combo, int index);

// Replaces the list without running the handler and leaves no item selected.
void FillComboList(QComboBox* combo, const QStringList& items);

// The common step of the selection handlers: stores `value` (0 to 255) in the option
// byte, marking the set changed when the byte changes. A value outside 0 to 255 (-1:
// nothing selected) stores nothing and gives false.
bool StoreSetting(quint8& byte, int value);
// StoreSetting of the combo's selected position.
bool StoreComboIndex(const QComboBox* combo, quint8& byte);
