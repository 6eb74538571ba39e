// A simulated timer/counter panel instrument: a Modbus ASCII slave on a pseudo-terminal.
//
// The instrument owns a pty pair and answers on its master side from a thread of its own; the program
// under test opens the slave side by path() like any serial port. The simulator keeps its own descriptor
// of the slave side open for its whole life, so a client may close and reopen the port at will (a master
// read would otherwise fail with EIO while no slave is open).
//
// Plain C++20 and POSIX, no Qt: tests and benchmarks can link it freely.
//
// Memory model: 65536 bytes, byte-addressed. Register A is the byte pair (A, A+1): A is its low byte, A+1
// its high byte, and odd addresses are allowed. A read of n registers at A therefore returns bytes
// A .. A+2n-1, register k being (A+2k, A+2k+1); on the line each register is sent high byte first.
//
// Requests served:
//   03  read 1 to 14 registers; a count outside 1..14 gets exception 03, a block running past the end of
//       memory exception 02.
//   06  write one register: low byte of the value at A, high byte at A+1 (A = 65535 gets exception 02);
//       the request is echoed.
//   DD  logged, never answered.
//   any other function: exception 01.
// A request for another slave ID, with a bad LRC or not readable as a frame is logged and not answered.
//
// Function mode. H5: 0 timer, 1 twin timer, 2 2-stage timer. H7: 3 1-stage counter, 4 2-stage counter,
// 5 total counter, 6 batch counter, 7 dual counter, 8 tachometer. H8: any of 0-8. These types keep the
// mode in the low byte of register 1074. An H9 keeps its function in selection registers instead
// (1074 means nothing to it); its mode numbers the seven functions as the editor does:
//   0 timer + counter          1542 = 0, 1552 = 0
//   1 timer + tachometer       1542 = 0, 1552 = 1
//   2 counter + total counter  1542 = 1, 1552 = 0, 1584 = 1, 1648 = 0
//   3 counter + batch counter  1542 = 1, 1552 = 0, 1584 = 1, 1648 = 1
//   4 two counters             1542 = 1, 1552 = 0, 1584 = 1, 1648 = 2
//   5 2-stage timer            1542 = 1, 1584 = 0
//   6 dual tachometer          1542 = 1, 1552 = 1, 1584 = 2
//
// Animation. While animated (the default) every read first brings the live registers up to the
// simulated time: the instrument runs a 10 s cycle (see Cycle in live_registers.h) in which present
// values advance for 8 s and hold, OUT1 lights at 4 s, OUT2 at 8 s, RST2 at 9 s and RST1 at 9.5 s.
// Which registers move depends on the function that memory selects at the moment of the read (so a
// download that changes the mode changes the animation); set values, decimal points, ranges, key
// protection and every other setting are plain memory.
//   H9 timer + ...    present value of the time code in 1114 (1184 ... 1236), counting up for even
//                     codes, down from the 8 s value for odd; hundredths for codes 0-1, else one unit
//                     a second; 1248 bit 0 (ON/OFF) set while timing
//      ... counter    1504 (input modes 0, 1, 2, 6) 0 to 80, or 1510 (the others) 80 down to 0, shifted
//                     for the decimal point in 1364
//      ... tachometer 1562-1567: a rate of 100.000 rising to 150.000 at 5 s and back
//   H9 counter + total/batch/second counter: 1664 the total since the cycle origin / the batches done /
//                     a second input at 4 a second; channel B as the counter above
//   H9 2-stage timer  1608 whole seconds 0-8, 1248 bit 0 while timing
//   H9 dual tachometer  1562-1567 (1564 for display A) as the tachometer above
//   H9 always         1498 bit 4 OUT1, bit 5 OUT2
//   mode 0 timer      1282 the time in the range of 1088 (up, or down for time mode 1090 = 1; the
//                     minute and hour ranges step once a second), 1264 seconds left while timing,
//                     1234 bit 0 timing, bit 2 reset, bit 4 time up
//   mode 1 twin timer OFF phase 0-5 s, ON phase 5-10 s: 1282 the time in the phase (ranges 1120 /
//                     1122, direction 1124), 1286 the phase's set value (copied from 1128 / 1132),
//                     1664 and 2048 the phase; 1234 bit 0 always set; OUT1 and OUT2 follow the ON phase
//   mode 2 2-stage    1282 the time in the range of 1154, 1234 and 1264 as mode 0
//   modes 0-2         lamps 1290 bit 3 OUT1, bit 4 OUT2, 1065 bit 3 RST1, 1060 bit 0 RST2
//   modes 3-8         2340 the count 0-80 (negative for input mode 1696 = 1, sign word 2344);
//                     5: 2346 the total; 6: 2346 the batches done; 7: 2340 input A, 2352 input B,
//                     2358 A + B (A - B for 1724 = 1); 8: 2340 the rate, shifted for the decimal
//                     point in 1702; lamps 1290 bit 3 OUT1, bit 4 OUT2, 1292 bit 0 RST1 and bit 1 RST2
//                     (lit while clear)
// Within a status byte only the named bits change. A write to a live register lands in memory and is
// overwritten by the next read; a write to the begin register of a download (1248 on an H9, 1234 on
// the others) restarts the cycle, as the instrument restarts with new settings. With the animation
// off, live registers are plain memory: what was last computed or poked stays.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace sim {

using Bytes = std::vector<std::uint8_t>;
using SteadyTime = std::chrono::steady_clock::time_point;

// Longitudinal redundancy check of Modbus ASCII: two's complement of the byte sum, modulo 256.
std::uint8_t lrc(const Bytes& bytes);

// ':' + hex of the bytes + hex of their LRC + CR LF. Upper-case hex unless lowerCase.
std::string buildFrame(const Bytes& bytes, bool lowerCase = false);

// Decodes a frame ':' hex... CR LF (either case of hex accepted, CR LF optional) into its bytes, the
// trailing LRC byte included. Empty optional unless ':' is followed by a non-empty, even run of hex digits.
// Whether the LRC matches is the caller's business: lrc() of all bytes but the last equals the last.
std::optional<Bytes> parseFrame(const std::string& frame);

enum class Type : std::uint8_t { H9 = 1, H5 = 2, H7 = 3, H8 = 4 };

// "H9" -> Type::H9 etc.; empty optional for any other text.
std::optional<Type> typeFromName(const std::string& name);

// The function modes a type has: H9 0-6, H5 0-2, H7 3-8, H8 0-8.
bool modeValid(Type type, int mode);
// The mode an instrument starts in when none is given: the lowest its type has (H7 3, the others 0).
int defaultMode(Type type);
// "0-6", "0-2", "3-8" or "0-8".
std::string validModesText(Type type);

// What goes wrong with a reply. Several faults may apply to one request; they combine.
struct Fault {
    enum class Kind {
        NoReply,        // the request is served (a write still lands) but nothing is sent
        Delay,          // value = ms before the reply starts
        ByteGap,        // value = ms of pause after each byte of the reply
        BadLrc,         // LRC off by one
        LowerCase,      // hex digits in lower case
        StrayByte,      // value = a byte sent before the ':'
        TrailingBytes,  // text = bytes sent after the LF
        Exception,      // value = exception code (1, 2, 3...); replaces the normal reply, a write does not land
        WrongSlave,     // value = slave ID put in the reply
        Truncate,       // value = the reply (frame only, no stray or trailing bytes) is cut to this many chars
    };
    Kind kind = Kind::NoReply;
    int value = 0;
    std::string text;

    static Fault noReply() { return {Kind::NoReply, 0, {}}; }
    static Fault delay(int ms) { return {Kind::Delay, ms, {}}; }
    static Fault byteGap(int ms) { return {Kind::ByteGap, ms, {}}; }
    static Fault badLrc() { return {Kind::BadLrc, 0, {}}; }
    static Fault lowerCase() { return {Kind::LowerCase, 0, {}}; }
    static Fault strayByte(std::uint8_t byte = '?') { return {Kind::StrayByte, byte, {}}; }
    static Fault trailingBytes(std::string bytes = "00") { return {Kind::TrailingBytes, 0, std::move(bytes)}; }
    static Fault exception(int code) { return {Kind::Exception, code, {}}; }
    static Fault wrongSlave(int id) { return {Kind::WrongSlave, id, {}}; }
    static Fault truncate(int chars) { return {Kind::Truncate, chars, {}}; }
};

// Which requests a fault hits. Only requests the instrument would answer count (its own slave ID, a good
// LRC, not function DD).
struct FaultScope {
    enum class Kind {
        Always,     // every request until clearFaults()
        Next,       // the next `count` requests, then the fault is gone
        Address,    // every request whose bytes include `address` (a read of n at A covers A .. A+2n-1,
                    // a write at A covers A and A+1)
    };
    Kind kind = Kind::Always;
    int count = 0;
    int address = 0;

    static FaultScope always() { return {Kind::Always, 0, 0}; }
    static FaultScope next(int n = 1) { return {Kind::Next, n, 0}; }
    static FaultScope atAddress(int byteAddress) { return {Kind::Address, 0, byteAddress}; }
};

// One logged request.
struct Request {
    SteadyTime time;            // when its line feed arrived
    std::string raw;            // the frame as received, ':' to LF
    bool lrcOk = false;         // false also for a text that is not a frame
    int slave = -1;             // -1 when the frame could not be decoded
    int function = -1;
    int address = -1;           // bytes 3-4 of the request (03, 06, DD)
    int countOrValue = -1;      // bytes 5-6: register count of a read, value of a write
    bool answered = false;      // something was sent back (faults included)
    std::string reply;          // exactly what was sent back, stray and trailing bytes included
};

class Instrument {
public:
    static constexpr std::size_t kMemorySize = 65536;

    // Identification bytes per type: 1024 and 1026 = 0x25, 1028 = 0x0A, 1029 = type code,
    // 1086 = 1 (writes permitted), and the function mode (setFunctionMode; defaultMode() when none is
    // given). Everything else 0, which every setting reads as a valid value.
    explicit Instrument(Type type, int slaveId = 1, std::optional<int> mode = std::nullopt);
    ~Instrument();
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    // Opens a fresh pty pair (raw mode on both sides) and starts serving. Throws std::system_error when
    // the pty cannot be made. Calling start() while running does nothing.
    void start();
    // Stops the thread (promptly, even in the middle of a delayed reply) and closes the pty.
    void stop();
    bool running() const { return thread_.joinable(); }

    // Path of the pty's slave side, for the client to open; empty before start().
    std::string path() const;
    int slaveId() const { return slaveId_; }
    Type type() const { return type_; }

    // Memory, safe from any thread.
    std::uint8_t peek(int address) const;
    void poke(int address, std::uint8_t value);
    void pokeBytes(int address, const Bytes& bytes);  // stops at the end of memory
    Bytes peekBytes(int address, int count) const;    // stops at the end of memory
    // The register at A as the line carries it: byte A + 256 * byte A+1.
    std::uint16_t read16(int address) const;
    void write16(int address, std::uint16_t value);

    // Writes the function mode as the type keeps it (see the top of this file). Any byte is taken, so
    // that tests can present an instrument in a mode its type lacks: H5, H7 and H8 store it in 1074
    // as it is; an H9 mode outside 0-6 goes into 1542 as an unknown function group.
    void setFunctionMode(int mode);

    // Simulated time: the time since the instrument was made, on the steady clock, unless a test has
    // fixed it. setSimulatedTime() stops the clock at t; resumeClock() lets it run on from there.
    void setSimulatedTime(std::chrono::milliseconds t);
    void resumeClock();
    std::chrono::milliseconds simulatedTime() const;

    // Animation on (default) or off; off freezes the live registers at what memory holds.
    void setAnimated(bool on) { animated_ = on; }
    bool animated() const { return animated_; }
    // Brings the live registers up to the simulated time now, animated or not (what every read does
    // first while animated), e.g. to peek at them without a request on the line.
    void updateLiveRegisters();

    // Faults.
    void setFault(const Fault& fault, const FaultScope& scope = FaultScope::always());
    void clearFaults();

    // Pacing: with a baud rate > 0 every reply byte takes 10 bit times (8N1), and a reply does not start
    // before the request itself could have crossed the line at that rate. 0 switches pacing off (default).
    void setPacingBaud(int baud);
    int pacingBaud() const { return pacingBaud_; }

    // Request log.
    std::vector<Request> requests() const;
    void clearRequests();
    // True once at least n requests are logged (since the last clearRequests()), false on time-out.
    bool waitForRequests(std::size_t n, std::chrono::milliseconds timeout) const;

private:
    struct ActiveFault {
        Fault fault;
        FaultScope scope;
    };

    void run();
    void handleFrame(const std::string& raw, SteadyTime firstByte);
    // Runs a request for this slave (LRC byte last) against memory; returns the reply bytes before the LRC.
    // With an exception code forced by a fault the request is not carried out.
    Bytes serve(const Bytes& req, std::optional<int> exceptionCode);
    std::int64_t cycleMs() const;  // simulated ms since the cycle origin
    std::vector<Fault> takeFaults(int firstByte, int lastByte);
    void sendReply(const std::string& bytes, const std::vector<Fault>& faults, SteadyTime notBefore);
    bool sleepUntil(SteadyTime deadline);  // false when stopping
    bool writeAll(const char* data, std::size_t size);  // false when stopping or the pty failed
    void logRequest(Request req);

    const Type type_;
    const int slaveId_;

    mutable std::mutex memMutex_;
    std::vector<std::uint8_t> memory_;

    std::mutex faultMutex_;
    std::vector<ActiveFault> faults_;

    std::atomic<int> pacingBaud_{0};

    mutable std::mutex clockMutex_;
    SteadyTime epoch_;                                   // simulated time 0 while the clock runs
    std::optional<std::chrono::milliseconds> fixedTime_;  // set while a test holds the clock
    std::chrono::milliseconds cycleOrigin_{0};           // simulated time at which the cycle restarted
    std::atomic<bool> animated_{true};

    mutable std::mutex logMutex_;
    mutable std::condition_variable logCv_;
    std::vector<Request> log_;

    mutable std::mutex stateMutex_;  // guards path_, stop_ and stopCv_ waits
    std::condition_variable stopCv_;
    bool stop_ = false;
    std::string path_;
    int masterFd_ = -1;
    int slaveFd_ = -1;
    std::thread thread_;
};

}  // namespace sim
