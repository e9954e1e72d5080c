#include "toolkit/PromptLabel.h"

#include "toolkit/Graphics.h"

#include <QEvent>

TPromptLabel::TPromptLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setMargin(6);
    // Readable over whatever boxes lie under it.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColorToQColor(clInfoBk));
    pal.setColor(QPalette::WindowText, ColorToQColor(clInfoText));
    setPalette(pal);
    setFrameShape(QFrame::Box);
    parent->installEventFilter(this);
    Centre();
}

bool TPromptLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        Centre();
    return QLabel::eventFilter(watched, event);
}

void TPromptLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Centre();
}

void TPromptLabel::Centre()
{
    adjustSize();
    QRect r = rect();
    r.moveCenter(parentWidget()->rect().center());
    move(r.topLeft());
    raise();
}
