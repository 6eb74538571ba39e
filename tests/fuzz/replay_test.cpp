// Each fuzz target as a short test: every input of its checked-in corpus, then a fixed
// number of mutations of those inputs drawn from a fixed seed, so that a change which
// makes a target find a fault fails here without a fuzzing run. A fault names the
// input (its corpus file, or the mutation and the file it came from) and its bytes.
#include "fuzz_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <random>

namespace {

std::string g_firstFault;

void keepFirstFault(const std::string& message)
{
    if (g_firstFault.empty())
        g_firstFault = message;
}

struct Seed {
    QString name;
    QByteArray bytes;
};

std::vector<Seed> corpus(const char* target)
{
    const QDir dir(QStringLiteral(TCPANEL_SOURCE_DIR "/tests/fuzz/corpus/") + QLatin1String(target));
    std::vector<Seed> seeds;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            seeds.push_back({name, f.readAll()});
    }
    return seeds;
}

// The kinds of change libFuzzer makes most: single bytes, bytes that frames and files
// are made of, runs inserted, dropped or repeated, and a tail taken from another input.
QByteArray mutate(QByteArray in, std::mt19937& rng, const std::vector<Seed>& seeds)
{
    static const char kSpecial[] = {0, '\xFF', '0', '1', '9', 'A', 'F', 'a', ':', '\r', '\n', '.', '-', '\x7F'};
    auto below = [&rng](qsizetype n) { return n > 0 ? static_cast<qsizetype>(rng() % static_cast<unsigned>(n)) : 0; };
    const int changes = 1 + static_cast<int>(rng() % 4);
    for (int c = 0; c < changes; ++c) {
        const qsizetype at = below(in.size() + 1);
        switch (rng() % 8) {
        case 0:
            if (!in.isEmpty())
                in[below(in.size())] ^= static_cast<char>(1 << (rng() % 8));
            break;
        case 1:
            if (!in.isEmpty())
                in[below(in.size())] = static_cast<char>(rng());
            break;
        case 2:
            if (!in.isEmpty())
                in[below(in.size())] = kSpecial[rng() % sizeof kSpecial];
            break;
        case 3: in.insert(at, QByteArray(1 + below(8), static_cast<char>(rng()))); break;
        case 4: in.remove(at, 1 + below(16)); break;
        case 5: in.insert(at, in.mid(below(in.size()), 1 + below(32))); break;
        case 6:
            if (!seeds.empty()) {
                const QByteArray& other = seeds[static_cast<std::size_t>(rng() % seeds.size())].bytes;
                in = in.left(at) + other.mid(below(other.size()));
            }
            break;
        default: in.truncate(at); break;
        }
    }
    return in;
}

// Runs `target` on its corpus and on `mutations` mutated inputs; fails on the first
// inputs that find a fault (at most a few, so a broken target stays readable).
void replay(const char* target, int mutations)
{
    const fuzz::Target* t = fuzz::findTarget(target);
    ASSERT_NE(t, nullptr) << target;
    const std::vector<Seed> seeds = corpus(target);
    ASSERT_FALSE(seeds.empty()) << "no corpus for " << target;
    fuzz::setFaultHandler(&keepFirstFault);
    int faults = 0;
    auto run = [&](const QByteArray& input, const std::string& origin) {
        g_firstFault.clear();
        t->run(reinterpret_cast<const std::uint8_t*>(input.constData()), static_cast<std::size_t>(input.size()));
        if (!g_firstFault.empty()) {
            ++faults;
            ADD_FAILURE() << target << ", " << origin << ": " << g_firstFault << "\n  input ("
                          << input.size() << " bytes): " << fuzz::printable(input);
        }
    };
    for (const Seed& s : seeds) {
        run(s.bytes, "corpus file " + s.name.toStdString());
        if (faults >= 3)
            break;
    }
    std::mt19937 rng(20261209);
    for (int i = 0; i < mutations && faults < 3; ++i) {
        const Seed& from = seeds[rng() % seeds.size()];
        run(mutate(from.bytes, rng, seeds), "mutation " + std::to_string(i) + " of " + from.name.toStdString());
    }
    fuzz::setFaultHandler(nullptr);
}

} // namespace

TEST(Fuzz, RepliesFromTheLine) { replay("reply", 100000); }

TEST(Fuzz, LiveRegistersOfTheMonitor) { replay("monitor", 40000); }

TEST(Fuzz, SettingsFilesOpenedIntoTheEditors) { replay("settings_file", 200); }
