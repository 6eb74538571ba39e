#include "monitor/summary_table.h"

#include "link/comm_records.h"
#include "platform/strings.h"

using platform::LoadResString;

QString SummaryLine(int labelId, const QString& value)
{
    return LoadResString(labelId) + QStringLiteral(" : ") + value + QLatin1String(kLineEnd);
}

QString SummaryTypeLine(const QString& modelName)
{
    return LoadResString(res::kTypeLabel) + QStringLiteral(" : ") + modelName + QLatin1String(kLineEnd);
}

bool StartReads::read(int address, int count, RegisterBlock& block)
{
    QByteArray known;
    for (int k = 0; k < count; ++k) {
        const auto it = registers_.find(address + 2 * k);
        if (it == registers_.end())
            break;
        known += it->second;
    }
    if (count > 0 && known.size() == 4 * count) {
        block = RegisterBlock(known);
        return true;
    }
    if (!monitorState.bMonitoring)
        return false;
    const int code = source_.read(address, count, block);
    commState.nErrCode = code;
    if (code != 0)
        return false;
    for (int k = 0; k < count && 4 * k + 4 <= block.chars().size(); ++k)
        registers_[address + 2 * k] = block.chars().mid(4 * k, 4);
    return true;
}

bool StartReads::low(int address, quint8* keep)
{
    RegisterBlock block;
    if (!read(address, 1, block))
        return false;
    *keep = static_cast<quint8>(block.low(0));
    return true;
}

std::optional<QString> SummaryValue::text(const RegisterBlock& registers) const
{
    if (text_)
        return text_(registers);
    return fixed_ ? QString::fromLatin1(fixed_) : LoadResString(stringId_);
}

bool AppendSummaryLines(StartReads& reads, std::span<const SummaryRow> rows, SummaryTexts& texts)
{
    for (const SummaryRow& row : rows) {
        RegisterBlock block;
        if (row.when.holds) {
            if (!reads.read(row.when.address, 1, block))
                return false;
            if (!row.when.holds(block.low(0)))
                continue;
        }
        if (row.value.registers() > 0) {
            if (!reads.read(row.address, row.value.registers(), block))
                return false;
            if (row.keptIn)
                devReadback.*row.keptIn = static_cast<quint8>(block.low(0));
        }
        const std::optional<QString> value = row.value.text(block);
        if (!value) {
            if (row.value.leftOutWithoutText())
                continue;
            return false;
        }
        const QString line = row.label == kNoLabel ? *value + QLatin1String(kLineEnd) : SummaryLine(row.label, *value);
        if (row.box != SummaryBox::B)
            texts.a += line;
        if (row.box != SummaryBox::A)
            texts.b += line;
    }
    return true;
}

std::optional<QString> ListText(std::span<const char* const> list, int code)
{
    if (code < 0 || code >= static_cast<int>(list.size()))
        return std::nullopt;
    return QString::fromLatin1(list[static_cast<std::size_t>(code)]);
}

QString StringRunText(int firstId, int count, int code)
{
    return code >= 0 && code < count ? LoadResString(firstId + code) : QString::number(code);
}

std::optional<QString> InputTypeText(const RegisterBlock& registers)
{
    return registers.low(0) == 0 ? QStringLiteral("NPN") : QStringLiteral("PNP");
}

std::optional<QString> SignalWidthText_H5H7(const RegisterBlock& registers)
{
    return registers.low(0) == 0 ? QStringLiteral("20 ms") : QStringLiteral("1 ms");
}
