#pragma once
// A known H9 set for the transfer tests: every parameter byte 0, every digit row
// "000000" unless a test sets it otherwise, no editor.
#include "core/digit_rows.h"
#include "core/h9_params.h"
#include "support/fake_digit_rows.h"
#include "support/h9_set.h"
#include "transfer/register_image.h"

#include <gtest/gtest.h>

#include <map>

namespace h9test {

class H9Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::resetH9Params();
        RegImage_H9.Reset();
    }
    // The set a test made (the key protection with it) is not the next test's.
    void TearDown() override { testsupport::resetH9Params(); }
    testsupport::FakeH9Rows rows;
};

// Register -> word of every flagged even address of a block.
inline std::map<int, int> flaggedWords(const RegBlock& b)
{
    std::map<int, int> words;
    for (int n : b.WalkRegisters())
        if (b.bRegFlag(n))
            words[n] = b.Word(n);
    return words;
}

} // namespace h9test
