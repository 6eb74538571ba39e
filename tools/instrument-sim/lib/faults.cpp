// Faults: which requests they hit and what they make of the reply.
#include "instrument_sim.h"

#include "sim_parts.h"

#include <algorithm>

namespace sim {

void Instrument::setFault(const Fault& fault, const FaultScope& scope) {
    std::lock_guard lock(faultMutex_);
    faults_.push_back({fault, scope});
}

void Instrument::clearFaults() {
    std::lock_guard lock(faultMutex_);
    faults_.clear();
}

std::vector<Fault> Instrument::takeFaults(int firstByte, int lastByte) {
    std::vector<Fault> hit;
    std::lock_guard lock(faultMutex_);
    for (auto it = faults_.begin(); it != faults_.end();) {
        bool applies = false;
        switch (it->scope.kind) {
        case FaultScope::Kind::Always:
            applies = true;
            break;
        case FaultScope::Kind::Next:
            applies = it->scope.count > 0;
            break;
        case FaultScope::Kind::Address:
            applies = firstByte >= 0 && it->scope.address >= firstByte && it->scope.address <= lastByte;
            break;
        }
        if (applies) hit.push_back(it->fault);
        if (applies && it->scope.kind == FaultScope::Kind::Next && --it->scope.count <= 0) {
            it = faults_.erase(it);
            continue;
        }
        ++it;
    }
    return hit;
}

ReplyShape shapeOf(const std::vector<Fault>& faults) {
    ReplyShape s;
    for (const Fault& f : faults) {
        switch (f.kind) {
        case Fault::Kind::NoReply: s.silent = true; break;
        case Fault::Kind::Exception: s.exceptionCode = f.value; break;
        case Fault::Kind::BadLrc: s.badLrc = true; break;
        case Fault::Kind::LowerCase: s.lowerCase = true; break;
        case Fault::Kind::WrongSlave: s.wrongSlave = f.value; break;
        case Fault::Kind::Truncate: s.truncateTo = std::max(f.value, 0); break;
        case Fault::Kind::StrayByte: s.prefix += static_cast<char>(f.value); break;
        case Fault::Kind::TrailingBytes: s.suffix += f.text; break;
        case Fault::Kind::Delay:
        case Fault::Kind::ByteGap: break;  // timing, applied while sending
        }
    }
    return s;
}

std::string replyText(Bytes content, const ReplyShape& shape) {
    if (shape.wrongSlave) content[0] = static_cast<std::uint8_t>(*shape.wrongSlave);
    std::string text = ":";
    for (std::uint8_t b : content) appendHex(text, b, shape.lowerCase);
    appendHex(text, static_cast<std::uint8_t>(lrc(content) + (shape.badLrc ? 1 : 0)), shape.lowerCase);
    text += "\r\n";
    if (shape.truncateTo && static_cast<std::size_t>(*shape.truncateTo) < text.size()) text.resize(*shape.truncateTo);
    return shape.prefix + text + shape.suffix;
}

}  // namespace sim
