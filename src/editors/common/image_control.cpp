#include "editors/common/image_control.h"

#include "platform/bitmaps.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPixmap>

ImageControl::ImageControl(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setScaledContents(true);
}

void ImageControl::setPictureName(const QString& name)
{
    pictureName_ = name;
    setPixmap(platform::LoadResPicture(name));
}

bool ImageControl::loadPictureFile(const QString& path, const char* format)
{
    requestedFile_ = path;
    if (!QFileInfo(path).isFile())
        return false;
    QPixmap picture;
    picture.load(path, format);
    if (picture.isNull())
        return false;
    setPixmap(picture);
    shownFile_ = path;
    return true;
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Click();
    QLabel::mousePressEvent(event);
}
