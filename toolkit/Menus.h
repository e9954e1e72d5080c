#pragma once
// Menu items as the window code builds them: a tree of captions with a
// shortcut, state flags and a click handler. Drawing is the skin engine's.
#include <QImage>
#include <QKeySequence>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TMenuItem {
public:
    TMenuItem() = default;
    explicit TMenuItem(QString caption) : Caption(std::move(caption)) {}
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    QString Caption;  // "-" is a separator; "&" marks the accelerator
    QString Name;
    QKeySequence ShortCut;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    QImage Bitmap;
    int ImageIndex = -1;
    QString Hint;
    std::function<void(TMenuItem* sender)> OnClick;

    // Appends a child and returns it; the item owns its children.
    TMenuItem* Add(const QString& caption, const QString& name = {});
    TMenuItem* AddLine() { return Add(QStringLiteral("-")); }
    void Clear() { items_.clear(); }
    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(std::size_t(index)).get(); }

    bool IsLine() const { return Caption == QLatin1String("-"); }
    // "Alt+F4" style text, empty without a shortcut.
    QString ShortCutText() const { return ShortCut.toString(QKeySequence::PortableText); }
    void Click()
    {
        if (OnClick)
            OnClick(this);
    }

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

// The character after the last single "&" of a caption ("&&" is a literal
// ampersand); a null character when there is none.
QChar MenuAccelerator(const QString& caption);
