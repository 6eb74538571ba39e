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
    // 1074 = mode, 1086 = 1 (writes permitted). Everything else 0.
    explicit Instrument(Type type, int slaveId = 1, int mode = 0);
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
