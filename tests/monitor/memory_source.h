#pragma once
// An instrument's register space in memory, read as the monitor reads the real one:
// register A is bytes A (low) and A + 1 (high). Every read is logged; a read can be
// made to fail, and a hook runs before each read (a Stop pressed while waiting).
#include "core/monitor_state.h"
#include "monitor/panel_state.h"
#include "monitor/summary_table.h"
#include "platform/strings.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <map>
#include <vector>

namespace montest {

class MemorySource : public RegisterSource {
public:
    MemorySource() : mem(65536, 0) {}

    int read(int address, int count, RegisterBlock& block) override
    {
        if (beforeRead)
            beforeRead(address);
        log.push_back(count == 1 ? address : address * 100 + count);
        if (auto it = failures.find(address); it != failures.end())
            return it->second;
        QByteArray chars;
        for (int k = 0; k < count; ++k) {
            const int a = address + 2 * k;
            chars += QByteArray::number(mem[a + 1] * 256 + mem[a], 16).rightJustified(4, '0').toUpper();
        }
        block = RegisterBlock(chars);
        return 0;
    }

    void poke(int address, std::initializer_list<int> bytes)
    {
        for (int b : bytes)
            mem[static_cast<std::size_t>(address++)] = b;
    }

    std::vector<int> mem;
    // One entry per read: the address for one register, else address * 100 + count.
    std::vector<int> log;
    std::map<int, int> failures;
    std::function<void(int)> beforeRead;
};

// The log entry of a read of `count` registers from `address`.
constexpr int logged(int address, int count) { return count == 1 ? address : address * 100 + count; }

// Fresh records and state for every test, English texts.
class MonitorLogic : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        monitorState = MonitorState{};
        monitorState.bMonitoring = true;
        devReadback = DevReadback{};
        PanelNextA = PanelShownA = PanelNextB = PanelShownB = PanelState{};
    }
    void TearDown() override
    {
        monitorState = MonitorState{};
        setPanelDrawer({});
    }

    static DigitRow row(std::initializer_list<int> d)
    {
        DigitRow r{};
        std::size_t i = 0;
        for (int v : d)
            r[i++] = static_cast<quint8>(v);
        return r;
    }

    MemorySource src;
    MonitorSummary summary;
};

} // namespace montest
