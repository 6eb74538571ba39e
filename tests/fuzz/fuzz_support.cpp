#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

void printAndAbort(const std::string& message)
{
    std::fprintf(stderr, "fuzz fault: %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

FaultHandler g_handler = &printAndAbort;

} // namespace

std::vector<Target>& targets()
{
    static std::vector<Target> all;
    return all;
}

const Target* findTarget(const std::string& name)
{
    for (const Target& t : targets())
        if (name == t.name)
            return &t;
    return nullptr;
}

void setFaultHandler(FaultHandler handler) { g_handler = handler ? handler : &printAndAbort; }

void fault(const char* condition, const char* file, int line, const std::string& detail)
{
    std::string message = std::string(file) + ":" + std::to_string(line) + ": " + condition;
    if (!detail.empty())
        message += " (" + detail + ")";
    g_handler(message);
}

QByteArray Input::bytes(std::size_t n)
{
    const std::size_t take = std::min(n, remaining());
    QByteArray out(reinterpret_cast<const char*>(data_ + pos_), static_cast<qsizetype>(take));
    pos_ += take;
    return out;
}

std::string printable(const QByteArray& bytes)
{
    std::string out;
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && u != '\\') {
            out += c;
        } else {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        }
    }
    return out;
}

} // namespace fuzz
