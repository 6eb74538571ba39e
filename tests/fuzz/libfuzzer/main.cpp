// The libFuzzer entry of one target program: the program is built from this file and
// exactly one target, with the application the windows need made once.
#include "fuzz_support.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    if (fuzz::targets().size() != 1) {
        std::fprintf(stderr, "a fuzzing program is built with one target, not %zu\n", fuzz::targets().size());
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::targets().front().run(data, size);
    return 0;
}
