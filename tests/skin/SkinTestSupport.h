#pragma once
// Small packages built in memory, and a window that records skin messages.
#include "skin/SkinData.h"
#include "skin/SkinForm.h"

#include <QBuffer>
#include <QImage>
#include <QWidget>
#include <vector>

inline TskRect R(int l, int t, int r, int b) { return {l, t, r, b}; }
inline TskPoint P(int x, int y) { return {x, y}; }

inline QByteArray Bmp(int w, int h, QColor fill = Qt::red)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return buffer.data();
}

// A small skin: one picture in each slot the version has, two active pictures.
inline TskSkinPackage SmallPackage(const QByteArray& text, int version = 3)
{
    TskSkinPackage p;
    p.Version = version;
    p.Picture = Bmp(20, 10);
    p.ActivePictures = {Bmp(7, 5), Bmp(3, 4)};
    if (version == 1 || version == 2)
        p.RollUpPicture = Bmp(6, 6);
    p.Text = text;
    return p;
}

inline void Store(TskCompressedStoredSkin& stored, const TskSkinPackage& package)
{
    stored.SetCompressedData(DeflateSkinStream(EncodeSkinPackage(package)));
}

struct SkinMessage {
    QEvent::Type type;
    const QWidget* window;
    bool isEmpty;
    bool isChanging;
};

// A top-level window that writes down every skin message it receives.
class RecordingForm : public QWidget {
public:
    explicit RecordingForm(std::vector<SkinMessage>* log) : log_(log) {}

protected:
    bool event(QEvent* e) override
    {
        const auto t = e->type();
        if (t == SKIN_BEGIN_CHANGE || t == SKIN_CHANGED || t == SKIN_END_CHANGE) {
            auto* change = static_cast<TskSkinChangeEvent*>(e);
            log_->push_back({t, this, change->SkinData()->IsEmpty(), change->SkinData()->IsChanging()});
            return true;
        }
        return QWidget::event(e);
    }

private:
    std::vector<SkinMessage>* log_;
};

// Gives `window` the main window's frame settings and the stored skin (kept
// in `stored`); returns the frame.
inline TskSkinForm* DressInStoredSkin(QWidget& window, TskCompressedStoredSkin& stored)
{
    window.setWindowTitle(QStringLiteral("Hoopline"));
    auto* frame = new TskSkinForm(&window);
    frame->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    frame->SetShowIcon(true);
    frame->SetSizeable(false);
    auto* skin = new TskSkinData(&window);
    frame->SetSkinData(skin);
    stored.SetCompressedData(OrangeSkinCompressedData());
    skin->LoadCompressedStoredSkin(&stored);
    return frame;
}
