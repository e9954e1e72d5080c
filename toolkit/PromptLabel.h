#pragma once
// One line of guidance over an empty area: sized to its text and kept in the
// middle of its parent whatever size the parent takes.
#include <QLabel>

class TPromptLabel : public QLabel {
    Q_OBJECT
public:
    TPromptLabel(const QString& text, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Centre();
};
