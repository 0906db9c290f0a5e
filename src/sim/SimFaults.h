#pragma once

#include <map>
#include <string>

namespace tq58 {

// How the radio fails every read once it has accepted a write: the read-back of a verify.
enum class ReadBackFault {
    None,
    BadChecksum,  // every data reply's checksum is off by one
    Silence,      // read requests go unanswered
    WrongAddress, // every data reply names the next block
    HangUp,       // the line goes away at the first read request
};

// Faults the simulated cable and radio can be told to make. Counters count down as the
// fault is made; a command key is "#CMDSY", "#TQPRD", "#TQPWR" or "#TQPSR".
struct SimFaults {
    bool AdapterSilent = false;        // no probe echo, no answer to the adapter command
    std::string AdapterReply = "OK";   // the adapter command's answer
    bool RadioSilent = false;          // the radio answers nothing at all
    std::map<std::string, int> Ignore; // commands left unanswered
    std::map<std::string, int> Refuse; // commands answered with RefusalText
    std::string RefusalText = "ERROR";
    std::string Acknowledgement = "#CMDOK";
    std::string AcknowledgementEnd = "\r\n";
    int WrongHeaderReplies = 0;     // data replies that begin "#TQPXX"
    int BadChecksumReplies = 0;     // data replies whose checksum is off by one
    int WrongAddressReplies = 0;    // data replies for the next block's address
    int ShortDataReplies = 0;       // data replies missing their last byte
    int TruncatedReplies = 0;       // data replies cut off before their end
    int BusyReplies = 0;            // status replies "01"
    std::string StatusField = "00"; // the status reply when not busy
    bool LowerCaseHex = false;      // hexadecimal in lower case
    int ReplyDelayMs = 0;           // before the radio's acknowledgement
    int DataDelayMs = 0;            // between the acknowledgement and the data reply
    bool IgnoreCancel = false;      // no ACK for CAN
    // Every block written at this address is stored with bit 0 of its first byte flipped and
    // acknowledged all the same, as when line noise slips past the checksum.
    int CorruptWriteAt = -1;
    ReadBackFault ReadBack = ReadBackFault::None;
};

} // namespace tq58
