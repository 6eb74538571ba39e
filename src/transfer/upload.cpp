#include "transfer/upload.h"

#include "core/h5h7_registers.h"
#include "core/settings_buffers.h"
#include "core/shell.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/modbus_ascii.h"
#include "platform/string_ids.h"
#include "platform/strings.h"
#include "transfer/frmWriteProcess1.h"
#include "transfer/identify.h"
#include "transfer/upload_read.h"

#include <exception>

using namespace upload_read;

namespace {

// The first two characters of register 1028 of the last upload ("01" to "04").
QByteArray sUploadType;

void setTypeText(const QString& text)
{
    core::shell().sCurrentMacType_Upload = text;
}

// The instrument's identity with its function mode: 0 passed, kUploadFailed a failed
// read (shown by the read), kMemoryAddressError a wrong instrument (shown here).
int identify(InstrumentIdentity& id)
{
    int linkCode = 0;
    switch (ReadInstrumentIdentity(id, true, linkCode)) {
    case IdentifyStep::Ok:
        return 0;
    case IdentifyStep::NotFamily:
        setTypeText({});
        ShowErrorMessage(kMemoryAddressError);
        return kMemoryAddressError;
    case IdentifyStep::ReadFailed:
    case IdentifyStep::Stopped:
        break;
    }
    return kUploadFailed;
}

// Runs a read map; a map that fails has told the user why, once: a failed read by the
// link's box, a value the map refused by kUploadFailed's box naming it.
int runMap(int (*map)())
{
    bool unexpected = false;
    try {
        if (map() == 0)
            return 0;
    } catch (const std::exception&) {
        unexpected = true;
    }
    const std::optional<Refusal>& r = lastRefusal();
    if (!unexpected && r)
        ShowErrorMessage(kUploadFailed,
                         UploadRefusalDetail(RegisterCaption(r->reg), "0x" + QString::fromLatin1(r->chars)));
    else if (unexpected || commState.nErrCode == 0)
        ShowErrorMessage(kUploadFailed);
    return kUploadFailed;
}

} // namespace

QByteArray ReadBcdValue(qint32 slaveId, qint32 reg, int kind)
{
    if (kind < 0 || kind > 3)
        return {};
    QByteArray reply;
    commState.nErrCode = ReadHoldingRegisters(slaveId, reg, 2, reply, commSettings.nCommProtocol);
    if (commState.nErrCode != 0)
        return {};
    const std::optional<QByteArray> low = ReplyRegisterText(reply, 0);
    const std::optional<QByteArray> high = ReplyRegisterText(reply, 1);
    if (!low || !high)
        return {};
    const QByteArray n = low->toUpper();
    const QByteArray n2 = high->toUpper();
    // The digits each register gives, low register first.
    QByteArray lowPart;
    QByteArray highPart;
    QByteArray text;
    switch (kind) {
    case 0:
        lowPart = n.mid(2, 2), highPart = n2;
        text = highPart + '.' + lowPart;
        break;
    case 1:
        lowPart = n, highPart = n2.mid(2, 2);
        text = '0' + highPart + lowPart;
        break;
    case 2:
        lowPart = n.right(3), highPart = n2.mid(2, 2);
        text = highPart + '.' + lowPart;
        break;
    default:
        lowPart = n.mid(2, 2), highPart = n2;
        text = highPart + lowPart;
        break;
    }
    // Values travel as BCD: a digit outside 0 to 9 is no value of the set.
    if (!allDecimal(lowPart)) {
        refuse(reg, n);
        return {};
    }
    if (!allDecimal(highPart)) {
        refuse(reg + 2, n2);
        return {};
    }
    return text;
}

QString RegisterCaption(int reg) { return platform::LoadResString(res::kDetailRegister).arg(reg); }

QString UploadRefusalDetail(const QString& setting, const QString& value)
{
    return platform::LoadResString(res::kDetailValueRefused).arg(setting, value);
}

int UploadSettings()
{
    setTypeText({});
    try {
        if (OpenCommPort() != 0)
            return kUploadFailed;
        byUploadBuf = QByteArray(kSettingImageSize, '0');
        lastRefusal().reset();
        TransferTimerOn();
        commState.bSilentComm = 0;

        InstrumentIdentity id;
        if (const int rc = identify(id))
            return rc;
        put(0, "0100");
        put(4, id.typeRegisterText);
        sUploadType = id.typeRegisterText.left(2);
        const int m = id.functionMode;

        int (*map)() = nullptr;
        QString typeText;
        if (sUploadType == "01") {
            map = Upload_H9;
            typeText = QStringLiteral("H9");
        } else if (sUploadType == "02") {
            map = Upload_H5;
            typeText = QStringLiteral("H5");
        } else if (sUploadType == "03") {
            map = Upload_H7;
            typeText = QStringLiteral("H7");
        } else if (sUploadType == "04") {
            map = m < 3 ? Upload_H5 : Upload_H7;
            typeText = QStringLiteral("H8");
        } else {
            // No read map fits: say so instead of reporting an upload of nothing.
            ShowErrorMessage(kWrongMachineType);
            return kWrongMachineType;
        }
        if (const int rc = runMap(map))
            return rc;
        setTypeText(typeText);
        return 0;
    } catch (const std::exception&) {
        setTypeText({});
        ShowErrorMessage(kUploadFailed);
        return kUploadFailed;
    }
}

int Upload_H5()
{
    if (!digit(kRegKP_H5H7, 10) || !digit(kRegSGWidth_H5H7, 11) || !digit(kRegInputMethod_H5H7, 12)
        || !digit(kRegKeyProtect_H5H7, 13))
        return 1;
    const std::optional<int> mode = digit(kRegFuncMode, 31);
    if (!mode)
        return 1;
    switch (*mode) {
    case 0:
        return digit(kRegTimerRange_A_H5, 32) && digit(kRegTimerDir_A_H5, 33) && digit(kRegOutputMode_A_H5, 34)
                       && sixDigits(kRegTimerSetting_A_H5, 35) && sixDigits(kRegHoldTime_A_H5, 41)
                       && fourDigits(kRegDutyRatio_A_H5, 47)
                   ? 0
                   : 1;
    case 1:
        return digit(kRegTimerRangeOFF_B_H5, 81) && digit(kRegTimerRangeON_B_H5, 82) && digit(kRegTimerDir_B_H5, 83)
                       && digit(kRegOutputMode_B_H5, 84) && sixDigits(kRegSettingValueOFF_B_H5, 85)
                       && sixDigits(kRegSettingValueON_B_H5, 91)
                   ? 0
                   : 1;
    case 2:
        return digit(kRegSettingMode_C_H5, 121) && digit(kRegTimerRange_C_H5, 122) && digit(kRegOutputMode_C_H5, 123)
                       && sixDigits(kRegSV1_C_H5, 124) && sixDigits(kRegSV2_C_H5, 130)
                   ? 0
                   : 1;
    default:
        refuse(kRegFuncMode, *mode);
        return 1;
    }
}

int Upload_H7()
{
    if (!digit(kRegKP_H5H7, 10) || !digit(kRegDotAdj_H7, 11) || !digit(kRegInputMethod_H5H7, 12)
        || !sixDigits(kRegMagnification_H7, 13) || !digit(kRegMaxFreq_H7, 19) || !digit(kRegSGWidth_H5H7, 20)
        || !digit(kRegKeyProtect_H5H7, 21))
        return 1;
    const std::optional<int> mode = digit(kRegFuncMode, 31);
    if (!mode)
        return 1;
    bool ok = false;
    switch (*mode) {
    case 3:
    case 5:
        ok = digit(kRegCountInputMode_H7, 32) && digit(kRegOutputMode_H7, 33) && sixDigits(kRegHoldCounter1_H7, 36)
          && signedSixDigits(kRegCounterSetting1_H7, kRegSign1_H7, 42);
        break;
    case 4:
        ok = digit(kRegCountInputMode_H7, 81) && digit(kRegOutputMode_H7, 82) && sixDigits(kRegHoldCounter1_H7, 85)
          && sixDigits(kRegHoldCounter2_H7, 91) && signedSixDigits(kRegCounterSetting1_H7, kRegSign1_H7, 97)
          && signedSixDigits(kRegCounterSetting2_H7, kRegSign2_H7, 103);
        break;
    case 6:
    case 7:
        ok = digit(*mode == 6 ? kRegCountInputMode_H7 : kRegDualInputMode_H7, 131) && digit(kRegOutputMode_H7, 132)
          && sixDigits(kRegHoldCounter1_H7, 135) && signedSixDigits(kRegCounterSetting1_H7, kRegSign1_H7, 141)
          && sixDigits(kRegCounterSetting2_H7, 147);
        break;
    case 8:
        ok = digit(kRegOutputMode_freq_H7, 181) && digit(kRegSampleAvg_freq_H7, 183)
          && fourDigits(kRegAuto2ZeroTime_freq_H7, 184) && fourDigits(kRegDelay2StartTime_freq_H7, 190)
          && sixDigits(kRegCounterSetting1_H7, 196) && sixDigits(kRegCounterSetting2_H7, 202);
        break;
    default:
        refuse(kRegFuncMode, *mode);
        break;
    }
    return ok ? 0 : 1;
}
