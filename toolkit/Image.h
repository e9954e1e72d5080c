#pragma once
// A picture control: draws its picture at the top-left, or stretched over the
// whole control with Stretch.
#include <QImage>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    // Loads a picture file; a file that cannot be read leaves the control empty.
    bool LoadFromFile(const QString& fileName);

    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage picture_;
    bool stretch_ = false;
};
