#include "toolkit/Menus.h"

TMenuItem* TMenuItem::Add(const QString& caption, const QString& name)
{
    items_.push_back(std::make_unique<TMenuItem>(caption));
    items_.back()->Name = name;
    return items_.back().get();
}

QChar MenuAccelerator(const QString& caption)
{
    QChar found;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            found = caption[i + 1];
        ++i;  // "&&" is one literal ampersand; skip the marked character either way
    }
    return found;
}
