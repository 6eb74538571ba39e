// Placement of the transfer window's controls (twips, 15 to a pixel): a frame round
// the job's name and the progress bar.
#include "transfer/frmWriteProcess1.h"

#include "platform/twips.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

using platform::placeTw;

void frmWriteProcess1::setupUi()
{
    setFixedSize(platform::tw(5400), platform::tw(1500));

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    placeTw(Frame1, 120, 60, 5160, 1320);

    Label1 = new QLabel(this);
    Label1->setFont(platform::formFont(10));
    Label1->setAlignment(Qt::AlignCenter);
    placeTw(Label1, 240, 240, 4920, 300);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 30);
    ProgressBar1->setTextVisible(false);
    // The classic segmented bar: drawn with plain rectangles, it costs a fraction of
    // the gradient bar's repaint on every tick of a long transfer.
    static QStyle* const kSegmentedStyle = QStyleFactory::create(QStringLiteral("Windows"));
    if (kSegmentedStyle)
        ProgressBar1->setStyle(kSegmentedStyle);
    placeTw(ProgressBar1, 240, 720, 4920, 360);

    Timer1 = new QTimer(this);
    Timer1->setInterval(300);
}
