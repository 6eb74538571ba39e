#pragma once
// The digit rows of an edited set without its editor: every row holds "000000" and the
// separator "0" until a test sets it. Registered as the editor's view while it lives.
#include "core/digit_rows.h"

#include <QString>

#include <array>
#include <map>

namespace testsupport {

// The seven captions of one row (labels 0 to 5 the digits, 6 the separator).
class FakeRow {
public:
    // Labels 0 to 5 from six characters, the separator when one is given.
    FakeRow& setDigits(const QString& six, const QString& separator = QString())
    {
        for (int i = 0; i < 6 && i < six.size(); ++i)
            captions_[static_cast<std::size_t>(i)] = six.mid(i, 1);
        if (!separator.isNull())
            captions_[6] = separator;
        return *this;
    }
    FakeRow& setCaption(int label, const QString& caption)
    {
        captions_.at(static_cast<std::size_t>(label)) = caption;
        return *this;
    }
    QString rowText() const { return RowTextOf(captions_); }

private:
    std::array<QString, 7> captions_{"0", "0", "0", "0", "0", "0", "0"};
};

template <class Row>
class FakeDigitRows : public DigitRowView<Row> {
public:
    FakeDigitRows() : previous_(DigitRowView<Row>::registered()) { DigitRowView<Row>::setRegistered(this); }
    ~FakeDigitRows() override { DigitRowView<Row>::setRegistered(previous_); }

    FakeRow& operator[](Row row) { return rows_[row]; }
    QString rowText(Row row) const override
    {
        const auto it = rows_.find(row);
        return it != rows_.end() ? it->second.rowText() : FakeRow().rowText();
    }

private:
    std::map<Row, FakeRow> rows_;
    const DigitRowView<Row>* previous_;
};

using FakeH9Rows = FakeDigitRows<H9Row>;
using FakeH5H7Rows = FakeDigitRows<H5H7Row>;

} // namespace testsupport
