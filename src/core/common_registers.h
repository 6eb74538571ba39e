#pragma once
// The registers every instrument of the family answers alike. Register numbers are byte
// addresses of the instrument's parameter space: register N carries byte N in its low half
// and byte N + 1 in its high half. The maps of the types are in h9_registers.h and
// h5h7_registers.h.

// Identification: every job reads these three, one request each and in this order, before
// it writes, reads or watches parameters.
constexpr int kRegFamily1 = 1024;    // low byte kFamilyMark
constexpr int kRegFamily2 = 1026;    // low byte kFamilyMark
constexpr int kRegDeviceType = 1028; // high byte: device type code 1 H9, 2 H5, 3 H7, 4 H8
constexpr int kFamilyMark = 0x25;

// The function mode nFuncMode (0 to 8) of an H5, H7 or H8 in the low byte; the first
// register of the H5 and the H7 map. An H9 keeps its function in registers of its own.
constexpr int kRegFuncMode = 1074;
