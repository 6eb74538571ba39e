// What an instrument is and holds: its type and function modes, the bytes that identify it, and its
// memory as tests and requests reach it.
#include "instrument_sim.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"

#include <algorithm>
#include <stdexcept>

namespace sim {

namespace {

void checkAddress(int address) {
    if (address < 0 || address >= static_cast<int>(Instrument::kMemorySize))
        throw std::out_of_range("instrument memory address " + std::to_string(address));
}

}  // namespace

std::optional<Type> typeFromName(const std::string& name) {
    if (name == "H9") return Type::H9;
    if (name == "H5") return Type::H5;
    if (name == "H7") return Type::H7;
    if (name == "H8") return Type::H8;
    return std::nullopt;
}

bool modeValid(Type type, int mode) {
    switch (type) {
    case Type::H9: return mode >= 0 && mode <= 6;
    case Type::H5: return mode >= 0 && mode <= 2;
    case Type::H7: return mode >= 3 && mode <= 8;
    case Type::H8: return mode >= 0 && mode <= 8;
    }
    return false;
}

int defaultMode(Type type) { return type == Type::H7 ? 3 : 0; }

std::string validModesText(Type type) {
    switch (type) {
    case Type::H9: return "0-6";
    case Type::H5: return "0-2";
    case Type::H7: return "3-8";
    case Type::H8: return "0-8";
    }
    return {};
}

Instrument::Instrument(Type type, int slaveId, std::optional<int> mode)
    : type_(type), slaveId_(slaveId), memory_(kMemorySize, 0), epoch_(std::chrono::steady_clock::now()) {
    memory_[kRegFamily1] = kFamilyMark;
    memory_[kRegFamily2] = kFamilyMark;
    memory_[kRegDeviceType] = 0x0A;
    memory_[kRegDeviceType + 1] = static_cast<std::uint8_t>(type);
    memory_[kRegWritePermission_H5H7] = 1;
    setFunctionMode(mode.value_or(defaultMode(type)));
}

void Instrument::setFunctionMode(int mode) {
    std::lock_guard lock(memMutex_);
    auto set = [&](int address, int value) {
        memory_[address] = static_cast<std::uint8_t>(value);
        memory_[address + 1] = 0;
    };
    if (type_ != Type::H9) {
        memory_[kRegFuncMode] = static_cast<std::uint8_t>(mode);
        return;
    }
    // Function group 1542, channel B kind 1552, dual kind 1584, dual counter sub-mode 1648.
    switch (mode) {
    case 0: set(kRegFuncType_H9, 0); set(kRegFuncB_H9, 0); break;
    case 1: set(kRegFuncType_H9, 0); set(kRegFuncB_H9, 1); break;
    case 2:
    case 3:
    case 4:
        set(kRegFuncType_H9, 1);
        set(kRegFuncB_H9, 0);
        set(kRegDualFunc_H9, 1);
        set(kRegDualCounterMode_H9, mode - 2);
        break;
    case 5: set(kRegFuncType_H9, 1); set(kRegDualFunc_H9, 0); break;
    case 6: set(kRegFuncType_H9, 1); set(kRegFuncB_H9, 1); set(kRegDualFunc_H9, 2); break;
    default: set(kRegFuncType_H9, mode); break;
    }
}

std::uint8_t Instrument::peek(int address) const {
    checkAddress(address);
    std::lock_guard lock(memMutex_);
    return memory_[address];
}

void Instrument::poke(int address, std::uint8_t value) {
    checkAddress(address);
    std::lock_guard lock(memMutex_);
    memory_[address] = value;
}

void Instrument::pokeBytes(int address, const Bytes& bytes) {
    checkAddress(address);
    std::lock_guard lock(memMutex_);
    const std::size_t n = std::min(bytes.size(), kMemorySize - address);
    std::copy_n(bytes.begin(), n, memory_.begin() + address);
}

Bytes Instrument::peekBytes(int address, int count) const {
    checkAddress(address);
    std::lock_guard lock(memMutex_);
    const std::size_t n = std::min<std::size_t>(std::max(count, 0), kMemorySize - address);
    return Bytes(memory_.begin() + address, memory_.begin() + address + n);
}

std::uint16_t Instrument::read16(int address) const {
    checkAddress(address + 1);
    std::lock_guard lock(memMutex_);
    return static_cast<std::uint16_t>(memory_[address] | (memory_[address + 1] << 8));
}

void Instrument::write16(int address, std::uint16_t value) {
    checkAddress(address + 1);
    std::lock_guard lock(memMutex_);
    memory_[address] = static_cast<std::uint8_t>(value & 0xFF);
    memory_[address + 1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace sim
