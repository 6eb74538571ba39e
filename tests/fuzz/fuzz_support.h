#pragma once
// What the fuzz targets share: their registry, the check that reports a fault, and a
// reader that takes the bytes of one input in order.
//
// A target is one function of the input bytes. It is built into two programs: the
// replay test of ./scripts/test (its checked-in corpus plus seeded mutations) and,
// with TCPANEL_FUZZ, one libFuzzer program per target (./scripts/fuzz). A fault found
// by a check ends a libFuzzer run with the input saved; in the replay test it fails
// the test with the input written out.
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

using TargetFn = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
    const char* name;
    TargetFn run;
};

// Every target linked into the program, in no particular order.
std::vector<Target>& targets();
const Target* findTarget(const std::string& name);

struct Registration {
    Registration(const char* name, TargetFn run) { targets().push_back({name, run}); }
};

// Called by FUZZ_CHECK when its condition fails. The handler decides what follows:
// the default one prints and aborts (libFuzzer keeps the input); the replay test keeps
// the first fault of an input and lets the target run on, so a check is never a guard:
// code after it must stay safe when it fails.
using FaultHandler = void (*)(const std::string& message);
void setFaultHandler(FaultHandler handler);
void fault(const char* condition, const char* file, int line, const std::string& detail);

// Takes the bytes of one input from the front; past the end every take gives 0 or an
// empty array, so a short input is a valid input.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    QByteArray bytes(std::size_t n);
    std::size_t remaining() const { return size_ - pos_; }
    bool empty() const { return pos_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// The bytes as text for a fault message: printable ASCII as it is, the rest as \xNN.
std::string printable(const QByteArray& bytes);

} // namespace fuzz

#define FUZZ_CHECK(condition, detail)                                            \
    do {                                                                         \
        if (!(condition))                                                        \
            ::fuzz::fault(#condition, __FILE__, __LINE__, (detail));             \
    } while (0)

// Defines the target `name`: TCPANEL_FUZZ_TARGET(reply) { ...data, size... }
#define TCPANEL_FUZZ_TARGET(name)                                                          \
    static void fuzzTarget_##name(const std::uint8_t* data, std::size_t size);             \
    static const ::fuzz::Registration fuzzRegistration_##name(#name, &fuzzTarget_##name);  \
    static void fuzzTarget_##name(const std::uint8_t* data, std::size_t size)
