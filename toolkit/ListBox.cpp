#include "toolkit/ListBox.h"

#include <QStyledItemDelegate>

namespace {
class TFixedHeightDelegate : public QStyledItemDelegate {
public:
    TFixedHeightDelegate(QObject* parent, const int* height) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        return {QStyledItemDelegate::sizeHint(o, i).width(), *height_};
    }

private:
    const int* height_;
};
}  // namespace

TListBox::TListBox(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new TFixedHeightDelegate(this, &itemHeight_));
    setUniformItemSizes(true);
    resize(121, 97);
}

void TListBox::SetItemHeight(int v)
{
    itemHeight_ = std::max(1, v);
    doItemsLayout();
}

QString TListBox::Item(int i) const
{
    const QListWidgetItem* it = item(i);
    return it ? it->text() : QString();
}

void TListBox::Add(const QString& text)
{
    addItem(text);
}

int TListBox::IndexOf(const QString& text) const
{
    for (int i = 0; i < count(); ++i)
        if (item(i)->text() == text)
            return i;
    return -1;
}
