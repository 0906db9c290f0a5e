#include "sim/SimRadio.h"

#include "link/Frame.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tq58 {

namespace {

constexpr std::uint8_t Probe = 'P';
constexpr std::uint8_t CanByte = 0x18;
constexpr std::uint8_t AckByte = 0x06;
constexpr int MaxBlock = 64;
constexpr int ProductCodeAt = 1056;
constexpr char ProductCodeBytes[] = "KX417Q\xFF";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsBlock(int address, int length) {
    return address >= 0 && length >= 1 && length <= MaxBlock && address + length <= ImageSize;
}

// The numeric value of a field, -1 when it is missing or not hexadecimal.
int FieldValue(const std::vector<std::string_view>& fields, std::size_t index) {
    return index < fields.size() ? ParseHex(fields[index]).value_or(-1) : -1;
}

} // namespace

void MarkRadioIdentity(Image& memory, int modelCode) {
    WriteWord(memory, 0, modelCode);
    WriteWord(memory, ImageSize - 2, modelCode);
    std::memcpy(memory.data() + ProductCodeAt, ProductCodeBytes, sizeof ProductCodeBytes - 1);
}

SimRadio::SimRadio(int modelCode) {
    Memory.fill(BlankByte);
    MarkRadioIdentity(Memory, modelCode);
}

int SimRadio::Count(const std::string& command) const {
    return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [&](const std::string& l) {
        return l.rfind(command, 0) == 0;
    }));
}

std::vector<SimOutput> SimRadio::Receive(std::uint8_t byte) {
    if (pending_.empty()) {
        return ReceiveRawByte(byte);
    }
    pending_ += static_cast<char>(byte);
    if (pending_.size() < 2 || pending_.compare(pending_.size() - 2, 2, "\r\n") != 0) {
        return {};
    }
    const std::string line = pending_.substr(0, pending_.size() - 2);
    pending_.clear();
    lines_.push_back(line);
    return HandleLine(line);
}

std::vector<SimOutput> SimRadio::ReceiveRawByte(std::uint8_t byte) {
    switch (byte) {
    case Probe:
        return Faults.AdapterSilent ? std::vector<SimOutput>{}
                                    : std::vector<SimOutput>{{0, std::string(1, 'P')}};
    case '0':
    case '\r':
    case '\n':
        return {};
    case CanByte:
        ++cancelBytes_;
        return Faults.IgnoreCancel ? std::vector<SimOutput>{}
                                   : std::vector<SimOutput>{{0, std::string(1, AckByte)}};
    default:
        pending_ = std::string(1, static_cast<char>(byte));
        return {};
    }
}

std::vector<SimOutput> SimRadio::HandleLine(const std::string& line) {
    if (line == "ACMD:002") {
        if (Faults.AdapterSilent || Faults.AdapterReply.empty()) {
            return {};
        }
        return {{0, Faults.AdapterReply + "\r\n"}};
    }
    if (Faults.RadioSilent || (line.rfind("#CMD", 0) == 0 && line != "#CMDSY")) {
        return {}; // the PC's own acknowledgements need no answer
    }
    const std::string command = line.substr(0, 6);
    if (TakeFault(Faults.Ignore, command)) {
        return {};
    }
    if (TakeFault(Faults.Refuse, command)) {
        return Refuse();
    }
    if (line == "#CMDSY") {
        return Acknowledge();
    }
    if (line.rfind("#TQP", 0) == 0 && VerifyChecksum(line)) {
        return HandleFrame(command, line);
    }
    return Refuse();
}

std::vector<SimOutput> SimRadio::HandleFrame(const std::string& command, const std::string& line) {
    const auto fields = SplitFields(std::string_view(line).substr(command.size()));
    const int address = FieldValue(fields, 1);
    const int length = FieldValue(fields, 2);
    if (command == "#TQPSR") {
        return StatusReply();
    }
    if (!IsBlock(address, length)) {
        return Refuse();
    }
    if (command == "#TQPRD") {
        reads_.push_back({address, length});
        if (Faults.ReadBack != ReadBackFault::None && !writes_.empty()) {
            return FailedReadBack(address, length);
        }
        return ReadReply(address, length);
    }
    if (command == "#TQPWR" && fields.size() > 3 &&
        fields[3].size() == static_cast<std::size_t>(length) * 2 &&
        StoreHexBytes(fields[3], Memory, address, length)) {
        if (address == Faults.CorruptWriteAt) {
            Memory[static_cast<std::size_t>(address)] ^= 0x01;
        }
        writes_.push_back({address, length});
        return Acknowledge();
    }
    return Refuse();
}

std::vector<SimOutput> SimRadio::Refuse() const {
    return {{Faults.ReplyDelayMs, Faults.RefusalText + "\r\n"}};
}

std::vector<SimOutput> SimRadio::Acknowledge(std::string more) {
    std::vector<SimOutput> out{
        {Faults.ReplyDelayMs, Faults.Acknowledgement + Faults.AcknowledgementEnd}};
    if (!more.empty()) {
        out.push_back({Faults.DataDelayMs, std::move(more)});
    }
    return out;
}

std::string SimRadio::Hex(int value, int digits) const {
    const std::string text = HexField(value, digits);
    return Faults.LowerCaseHex ? Lower(text) : text;
}

std::string SimRadio::Frame(const std::string& body) const {
    return body + Hex(XorChecksum(body), 2) + "\r\n";
}

std::vector<SimOutput> SimRadio::ReadReply(int address, int length) {
    const int shownAddress = TakeFault(Faults.WrongAddressReplies) ? address + length : address;
    std::string data;
    for (int i = 0; i < length; ++i) {
        data += Hex(Memory[static_cast<std::size_t>(address + i)], 2);
    }
    if (TakeFault(Faults.ShortDataReplies)) {
        data.resize(data.size() - 2);
    }
    const std::string command = TakeFault(Faults.WrongHeaderReplies) ? "#TQPXX" : "#TQPDT";
    const std::string body =
        command + "\t" + Hex(shownAddress, 4) + "\t" + Hex(length, 2) + "\t" + data + "\t";
    std::string reply = Frame(body);
    if (TakeFault(Faults.BadChecksumReplies)) {
        reply = body + Hex((XorChecksum(body) + 1) & 0xFF, 2) + "\r\n";
    }
    if (TakeFault(Faults.TruncatedReplies)) {
        reply.resize(reply.size() / 2);
    }
    return Acknowledge(reply);
}

std::vector<SimOutput> SimRadio::FailedReadBack(int address, int length) {
    switch (Faults.ReadBack) {
    case ReadBackFault::BadChecksum:
        Faults.BadChecksumReplies = 1;
        break;
    case ReadBackFault::WrongAddress:
        Faults.WrongAddressReplies = 1;
        break;
    case ReadBackFault::HangUp:
        lineDropped_ = true;
        return {};
    case ReadBackFault::Silence:
    case ReadBackFault::None:
        return {};
    }
    return ReadReply(address, length);
}

std::vector<SimOutput> SimRadio::StatusReply() {
    const std::string state = TakeFault(Faults.BusyReplies) ? "01" : Faults.StatusField;
    return Acknowledge(Frame("#TQPSD\t" + state + "\t"));
}

bool SimRadio::TakeFault(int& counter) {
    if (counter <= 0) {
        return false;
    }
    --counter;
    return true;
}

bool SimRadio::TakeFault(std::map<std::string, int>& counters, const std::string& command) {
    const auto found = counters.find(command);
    return found != counters.end() && TakeFault(found->second);
}

} // namespace tq58
