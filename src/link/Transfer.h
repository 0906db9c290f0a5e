#pragma once

#include "link/LinkSession.h"
#include "model/ModelState.h"
#include "model/RadioData.h"

#include <functional>
#include <optional>
#include <string>

namespace tq58 {

// What one transfer dialog does, with the old program's operation codes.
enum class TransferOperation {
    ReadFromRadio = 0,
    ProgramToRadio = 1,
    ClearDscLog = 3,
    ClearDistressLog = 4,
};

// Image regions as the transfer treats them.
inline constexpr int HeaderBytesFirst = 2;
inline constexpr int HeaderBytesEnd = 64;
inline constexpr int RadioAreaFirst = 1024;
inline constexpr int RadioAreaEnd = 1280;
inline constexpr int DscLogFirst = 26368;
inline constexpr int DscLogEnd = 30720;
inline constexpr int DistressLogFirst = 30720;
inline constexpr int DistressLogEnd = 32640;
inline constexpr int BlockSize = 64;
inline constexpr int ProductCodeAddress = 1056;
inline constexpr char ProductCode[] = "KX417Q\xFF";
inline constexpr int ProductCodeLength = 7;

// The dialog's instructions for connecting the radio, lines joined by CR LF.
std::string TransferInstructions();
// The caption of the transfer dialog.
std::string OperationCaption(TransferOperation operation);
// Takes over the read buffer's settings ranges (2-1023, 1280-26367); the radio-owned bytes
// and the logs keep the program's values.
void MergeReadImage(const Image& buffer, Image& image);

// One transfer dialog's operations, without its window: the OK and Cancel buttons, the
// checks that every operation makes, and the four data phases.
class Transfer {
public:
    Transfer(LinkSession& link, RadioData& data, const ModelState& model,
             TransferOperation operation);

    const TransferOperation Operation;
    // The operation completed; the radio data may have changed.
    bool TransferDone = false;
    // After programming, read back every range just written and compare it with the image.
    // The line's checksum misses some corruptions that the radio still acknowledges (two
    // flips of one bit, or an address that a flip moved); only reading back finds them.
    bool VerifyAfterProgram = false;
    // Called once a read has completed, with the image exactly as the radio gave it and before
    // anything of it reaches the data, so that it can be kept as a backup.
    std::function<void(const Image&)> ImageRead;
    // The model of a radio whose model code is another model's, found by the model check.
    std::optional<int> RadioModelType;
    // The caller asks the user about a radio of another known model itself (switch and read
    // again), so the model check fails without a message of its own for such a radio.
    bool CallerAsksAboutRadioModel = false;

    // What the dialog does when it opens: the caption, the debug status, an empty bar.
    void OpenDialog();
    // The OK button: the link start and the operation. True when the dialog closes.
    bool PressOk();
    // The Cancel button: true when the dialog closes; while busy it only cancels.
    bool PressCancel();

private:
    bool StatusCheck();
    void CheckModelCode();
    void CheckProductCode();
    // The data phases say whether they completed; a failure has been shown, a Cancel not.
    [[nodiscard]] bool ReadData(Image& buffer);
    [[nodiscard]] bool WriteData();
    // Reads back what WriteData wrote: true only when every block came back and equals what
    // was written; otherwise the failure names the first address that did not.
    [[nodiscard]] bool VerifyData();
    [[nodiscard]] bool EraseDscLog();
    [[nodiscard]] bool EraseDistressLog();
    void CancelTransfer();

    void DoRead();
    void DoProgram();
    void DoClear(TransferOperation operation);

    // The status check and both identity checks that open every operation; true when the
    // data phase may run.
    bool RadioIsReady();
    // One status request and reply: Ready, Busy, or failed.
    enum class RadioStatus { Ready, Busy, Failed };
    RadioStatus RequestStatus();
    RadioStatus ReceiveStatusReply();
    bool ModelCodeMatches(const Image& scratch) const;
    [[nodiscard]] bool WriteHeaderBytes();
    [[nodiscard]] bool WriteStep(int address);
    [[nodiscard]] bool ClearLog(int first, int end);
    void FinishDataPhase(const char* caption, bool cancelled);
    void ClearWithRestore(int first, int end, const char* status, bool (Transfer::*phase)());
    void CompleteOperation(const std::string& note = {});
    bool OpenForData();

    LinkSession& link_;
    RadioData& data_;
    const ModelState& model_;
};

} // namespace tq58
