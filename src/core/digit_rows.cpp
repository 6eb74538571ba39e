#include "core/digit_rows.h"

namespace {

template <class Row>
QString registeredText(Row row)
{
    const DigitRowView<Row>* view = DigitRowView<Row>::registered();
    return view ? view->rowText(row) : QString();
}

} // namespace

QString RowText(H9Row row) { return registeredText(row); }
QString RowText(H5H7Row row) { return registeredText(row); }

QString RowTextOf(const std::array<QString, 7>& captions)
{
    QString text;
    for (const QString& c : captions)
        text += c.size() == 1 ? c.at(0) : QChar(0);
    return text;
}
