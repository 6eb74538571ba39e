#pragma once
// The link's two process-wide records: how to reach the instrument and the state of
// the current exchange. Nothing of them is stored between runs.
#include <QString>
#include <QStringList>
#include <QtGlobal>

struct CommSettings {
    int nCommPort = 1;
    qint32 nBaudIndex = 3;     // 0 1200 ... 3 9600 ... 8 57600
    int nParityIndex = 0;      // 0 none, 1 odd, 2 even
    int nDataBitsIndex = 1;    // 0 seven, 1 eight
    int nStopBitsIndex = 0;    // 0 one, 1 two
    int nCommProtocol = 0;     // 0 Modbus ASCII, the only framing offered
    qint32 nSlaveID = 1;
    qint32 nTimeOut = 1000;    // reply time-out, ms
    qint32 nCommDelay = 0;     // pause after every exchange, ms
    QString sCommSettingsText = QStringLiteral("9600 , N , 8 , 1");
    int bAutoIdMode = 0;       // 0 slave ID chosen by hand, 1 from a search
    int nFoundDeviceIndex = 0;
    QStringList sFoundDevices;
    int nManualIdIndex = 0;
};

struct CommState {
    qint32 nErrCode = 0;
    int bSilentComm = 0;
    qint64 nTickDeadline = 0;
    qint64 nTickNow = 0;
    // A wait ended without a whole reply (time-out, port closed under it): the
    // instrument may still be sending, and the next request waits for a quiet line.
    // Kept across a closed and reopened port: the instrument does not know of it.
    bool bLateReplyPossible = false;
    // When the line was last known quiet: the failed wait's end or the last character
    // thrown away.
    qint64 nQuietSince = 0;
    // While set, a read or write does not announce itself in panel 4: a warning its
    // caller put there stays until the caller takes it back.
    bool bKeepActivityText = false;
};

extern CommSettings commSettings;
extern CommState commState;

// The status-bar text of the line settings ("9600 , N , 8 , 1") from the four indices.
QString ComposeCommSettingsText(const CommSettings& s);

// The start values of the link, monitor and log records and of the session's flags, in
// their order: the program sets them once, as its main window is made.
void SetStartValues();
