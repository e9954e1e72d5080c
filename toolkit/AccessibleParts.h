#pragma once
// Screen-reader support for the parts a control paints itself: grid cells,
// tabs, menu items and caption buttons are no widgets of their own.
#include <QAccessible>
#include <QHash>
#include <utility>

// A part without children of its own.
class TAccessiblePart : public QAccessibleInterface {
public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
};

// The interfaces of a control's parts, made when first asked for and kept by
// key until dropped or until the control's own interface goes.
template <class Key>
class TAccessibleParts {
public:
    TAccessibleParts() = default;
    TAccessibleParts(const TAccessibleParts&) = delete;
    TAccessibleParts& operator=(const TAccessibleParts&) = delete;
    ~TAccessibleParts() { Clear(); }

    template <class Make>
    QAccessibleInterface* Get(const Key& key, Make make)
    {
        if (const auto it = ids_.constFind(key); it != ids_.constEnd()) {
            if (QAccessibleInterface* part = QAccessible::accessibleInterface(*it))
                return part;
        }
        QAccessibleInterface* part = make();
        ids_.insert(key, QAccessible::registerAccessibleInterface(part));
        return part;
    }

    void Clear()
    {
        for (const QAccessible::Id id : std::as_const(ids_))
            QAccessible::deleteAccessibleInterface(id);
        ids_.clear();
    }

private:
    QHash<Key, QAccessible::Id> ids_;
};
