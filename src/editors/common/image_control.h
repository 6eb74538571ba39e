#pragma once
// The picture control of both editors: the channel tabs, the timing diagrams and the
// download picture.
#include <QLabel>
#include <QString>

// An image control: shows a bitmap resource by name or a picture file, and keeps
// what it was asked to show so that callers and tests can see it.
class ImageControl : public QLabel {
    Q_OBJECT
public:
    explicit ImageControl(const QString& name, QWidget* parent);

    // A bitmap resource by name.
    void setPictureName(const QString& name);
    const QString& pictureName() const { return pictureName_; }
    // A picture file, of the given format or of the format its content shows; a file
    // that cannot be loaded leaves the previous picture. Returns whether it was loaded.
    bool loadPictureFile(const QString& path, const char* format = nullptr);
    // The last file asked for, loaded or not.
    const QString& requestedFile() const { return requestedFile_; }
    // The file whose picture is on show ("" when none).
    const QString& shownFile() const { return shownFile_; }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString pictureName_;
    QString requestedFile_;
    QString shownFile_;
};
