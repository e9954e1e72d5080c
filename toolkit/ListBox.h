#pragma once
// A plain list of text lines with a fixed item height.
#include <QListWidget>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget* parent = nullptr);

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);

    // The lines, as the application reads and appends them.
    int Count() const { return count(); }
    QString Item(int i) const;
    void Add(const QString& text);
    int IndexOf(const QString& text) const;

private:
    int itemHeight_ = 13;
};
