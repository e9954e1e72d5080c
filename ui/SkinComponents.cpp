#include "ui/SkinComponents.h"

#include "skin/SkinData.h"

TSkinComponents CreateSkinComponents(QObject* owner)
{
    auto* stored = new TskCompressedStoredSkin(owner);
    stored->setObjectName(QStringLiteral("skCompressedStoredSkin1"));
    stored->SetCompressedFileName(QStringLiteral("Orange.skn"));
    auto* data = new TskSkinData(owner);
    data->setObjectName(QStringLiteral("skSkinData1"));
    data->SetEnableSkinEffects(true);
    return {stored, data};
}
