#include "transfer/upload.h"

#include "core/shell.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/modbus_ascii.h"
#include "settings_file/settings_image.h"
#include "transfer/frmWriteProcess1.h"
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

// Registers 1024 and 1026 must both hold 0x25 in their low byte. 0 passed, 21 a
// failed read (shown by the read), 4 a wrong instrument (message 4 shown here).
int identify()
{
    for (int reg : {1024, 1026}) {
        const auto regs = registers(reg, 1);
        if (!regs)
            return 21;
        if (lowByte((*regs)[0]) != 0x25) {
            setTypeText({});
            ShowErrorMessage(4);
            return 4;
        }
    }
    return 0;
}

int runMap(int (*map)())
{
    try {
        return map();
    } catch (const std::exception&) {
        return 1;
    }
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
    QByteArray digits;
    QByteArray text;
    switch (kind) {
    case 0:
        digits = n2 + n.mid(2, 2);
        text = n2 + '.' + n.mid(2, 2);
        break;
    case 1:
        digits = n2.mid(2, 2) + n;
        text = '0' + digits;
        break;
    case 2:
        digits = n2.mid(2, 2) + n.right(3);
        text = n2.mid(2, 2) + '.' + n.right(3);
        break;
    default:
        digits = n2 + n.mid(2, 2);
        text = digits;
        break;
    }
    // Values travel as BCD: a digit outside 0 to 9 is no value of the set.
    return allDecimal(digits) ? text : QByteArray();
}

int UploadSettings()
{
    setTypeText({});
    try {
        if (OpenCommPort() != 0)
            return 21;
        byUploadBuf = QByteArray(kSettingImageSize, '0');
        TransferTimerOn();
        commState.bSilentComm = 0;

        if (const int rc = identify())
            return rc;
        put(0, "0100");

        const auto type = registers(1028, 1);
        if (!type)
            return 21;
        put(4, (*type)[0]);
        sUploadType = (*type)[0].left(2);

        const auto mode = registers(1074, 1);
        if (!mode)
            return 21;
        const int m = lowByte((*mode)[0]);

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
            ShowErrorMessage(20);
            return 20;
        }
        if (runMap(map) != 0)
            return 21;
        setTypeText(typeText);
        return 0;
    } catch (const std::exception&) {
        setTypeText({});
        ShowErrorMessage(21);
        return 21;
    }
}

int Upload_H5()
{
    if (!digit(1080, 10) || !digit(1076, 11) || !digit(1078, 12) || !digit(1084, 13))
        return 1;
    const std::optional<int> mode = digit(1074, 31);
    if (!mode)
        return 1;
    switch (*mode) {
    case 0:
        return digit(1088, 32) && digit(1090, 33) && digit(1092, 34) && sixDigits(1098, 35)
                       && sixDigits(1094, 41) && fourDigits(1102, 47)
                   ? 0
                   : 1;
    case 1:
        return digit(1120, 81) && digit(1122, 82) && digit(1124, 83) && digit(1126, 84)
                       && sixDigits(1128, 85) && sixDigits(1132, 91)
                   ? 0
                   : 1;
    case 2:
        return digit(1152, 121) && digit(1154, 122) && digit(1156, 123) && sixDigits(1158, 124)
                       && sixDigits(1162, 130)
                   ? 0
                   : 1;
    default:
        return 1;
    }
}

int Upload_H7()
{
    if (!digit(1080, 10) || !digit(1702, 11) || !digit(1078, 12) || !sixDigits(1704, 13)
        || !digit(1700, 19) || !digit(1076, 20) || !digit(1084, 21))
        return 1;
    const std::optional<int> mode = digit(1074, 31);
    if (!mode)
        return 1;
    bool ok = false;
    switch (*mode) {
    case 3:
    case 5:
        ok = digit(1696, 32) && digit(1698, 33) && sixDigits(1716, 36) && signedSixDigits(1708, 1734, 42);
        break;
    case 4:
        ok = digit(1696, 81) && digit(1698, 82) && sixDigits(1716, 85) && sixDigits(1720, 91)
          && signedSixDigits(1708, 1734, 97) && signedSixDigits(1712, 1736, 103);
        break;
    case 6:
    case 7:
        ok = digit(*mode == 6 ? 1696 : 1724, 131) && digit(1698, 132) && sixDigits(1716, 135)
          && signedSixDigits(1708, 1734, 141) && sixDigits(1712, 147);
        break;
    case 8:
        ok = digit(1726, 181) && digit(1728, 183) && fourDigits(1730, 184) && fourDigits(1732, 190)
          && sixDigits(1708, 196) && sixDigits(1712, 202);
        break;
    default:
        break;
    }
    return ok ? 0 : 1;
}
