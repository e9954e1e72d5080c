#pragma once
// The window's skin components, created apart from the control tree.
#include <QObject>

class TskSkinData;
class TskCompressedStoredSkin;

// The stored skin component and the skin data that reads it.
struct TSkinComponents {
    TskCompressedStoredSkin* Stored;
    TskSkinData* Data;
};
TSkinComponents CreateSkinComponents(QObject* owner);
