#pragma once
// The stored skin: its compressed package, the loaded pictures and colours, the
// frame geometry and the named definitions every skinned element draws from.
#include "skin/SkinDefinitions.h"
#include "skin/SkinPackage.h"

#include <QByteArray>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string_view>
#include <vector>

// ---- change notifications -------------------------------------------------
// Sent synchronously (QCoreApplication::sendEvent) to the skin's owner form,
// then to every other top-level window.
inline constexpr QEvent::Type SKIN_BEGIN_CHANGE = QEvent::Type(1225);
inline constexpr QEvent::Type SKIN_CHANGED = QEvent::Type(1226);
inline constexpr QEvent::Type SKIN_END_CHANGE = QEvent::Type(1227);
inline constexpr QEvent::Type SKIN_STRINGS_CHANGED = QEvent::Type(1274);

class TskSkinData;

class TskSkinChangeEvent : public QEvent {
public:
    TskSkinChangeEvent(QEvent::Type type, TskSkinData* sender) : QEvent(type), sender_(sender) {}
    TskSkinData* SkinData() const { return sender_; }
    int Param() const { return 1000; }

private:
    TskSkinData* sender_;
};

// ---- the stored package ---------------------------------------------------
class TskCompressedStoredSkin : public QObject {
    Q_OBJECT
public:
    explicit TskCompressedStoredSkin(QObject* parent = nullptr) : QObject(parent) {}

    QString Description() const { return description_; }
    void SetDescription(const QString& v) { description_ = v; }
    // Names only: nothing reads these files at run time.
    QString FileName() const { return fileName_; }
    void SetFileName(const QString& v) { fileName_ = v; }
    QString CompressedFileName() const { return compressedFileName_; }
    void SetCompressedFileName(const QString& v) { compressedFileName_ = v; }

    const QByteArray& CompressedData() const { return data_; }
    void SetCompressedData(const QByteArray& data) { data_ = data; }
    bool IsEmpty() const { return data_.isEmpty(); }

    // The whole package; EDecompressionError when the stream is damaged.
    QByteArray Decompress() const { return InflateSkinStream(data_); }

    // Packs the skin folder whose ini file is `path` (version 2). False, and
    // nothing changed, unless the ini has every required section and file.
    bool PackSkinFolder(const QString& path);
    // Reads a ".skn" file: int32 version (at most 3), int32 length, the data.
    // A newer or cut-short file leaves the stream empty.
    bool LoadSknFile(const QString& path);

private:
    QString description_, fileName_, compressedFileName_;
    QByteArray data_;
};

// The "Orange" skin packed from skin/orange by the build.
const QByteArray& OrangeSkinCompressedData();

// ---- the loaded skin ------------------------------------------------------
class TskSkinData : public QObject {
    Q_OBJECT
public:
    explicit TskSkinData(QObject* parent = nullptr);
    ~TskSkinData() override;

    bool EnableSkinEffects() const { return enableSkinEffects_; }
    void SetEnableSkinEffects(bool v) { enableSkinEffects_ = v; }

    TskCompressedStoredSkin* CompressedStoredSkin() const { return stored_; }
    // Loads the stored skin at once (a null pointer only forgets the old one).
    void SetCompressedStoredSkin(TskCompressedStoredSkin* stored);

    // Replaces the skin with `stored`'s package and tells every window. An empty
    // stored skin changes nothing. A damaged zlib stream leaves the skin empty,
    // ends the change and throws EDecompressionError; a package of an unknown
    // version, or one cut short, leaves it empty too.
    void LoadCompressedStoredSkin(const TskCompressedStoredSkin* stored);

    bool IsEmpty() const { return isEmpty_; }
    bool IsChanging() const { return isChanging_; }

    const QImage& MainPicture() const { return mainPicture_; }
    const QImage& InactivePicture() const { return inactivePicture_; }
    const QImage& MaskPicture() const { return maskPicture_; }
    const QImage& RollUpPicture() const { return rollUpPicture_; }
    const QImage& RollUpMask() const { return rollUpMask_; }
    const std::vector<QImage>& ActivePictures() const { return activePictures_; }
    // Null when `index` is outside the list.
    QImage ActivePicture(int index) const;

    // [PICTURES] names; only the mask name matters at run time (it marks a mask).
    const QString& PictureName() const { return pictureName_; }
    const QString& MaskName() const { return maskName_; }
    const QString& RollUpPictureName() const { return rollUpPictureName_; }
    const QString& RollUpMaskName() const { return rollUpMaskName_; }
    const QStringList& ActivePictureNames() const { return activePictureNames_; }

    // [VERSION]
    const QString& SkinName() const { return skinName_; }
    const QString& SkinAuthor() const { return skinAuthor_; }
    const QString& AuthorEmail() const { return authorEmail_; }
    const QString& AuthorURL() const { return authorURL_; }
    const QString& SkinComments() const { return skinComments_; }

    int Version() const { return version_; }  // 0 while empty
    const TskFormInfo& FormInfo() const { return formInfo_; }
    const TskDataSkinPopupWindow& PopupWindow() const { return popupWindow_; }
    const TskDataSkinHintWindow& HintWindow() const { return hintWindow_; }
    const TskSkinColors& SkinColors() const { return skinColors_; }

    const std::vector<TskDataSkinArea>& AreaList() const { return areas_; }
    const std::vector<std::unique_ptr<TskDataSkinObject>>& ObjectList() const { return objects_; }
    const std::vector<std::unique_ptr<TskDataSkinControl>>& CtrlList() const { return controls_; }
    // Null when `index` is outside the list.
    TskDataSkinObject* Object(int index) const;
    TskDataSkinControl* Control(int index) const;

    // First definition whose name equals `name` exactly (letter case too); -1 if none.
    int IndexOfControl(std::string_view name) const;
    int IndexOfControl(const QString& name) const { return IndexOfControl(name.toStdString()); }
    int IndexOfControl(const char* name) const { return IndexOfControl(std::string_view(name)); }
    int IndexOfObject(std::string_view name) const;
    int IndexOfObject(const QString& name) const { return IndexOfObject(name.toStdString()); }
    int IndexOfObject(const char* name) const { return IndexOfObject(std::string_view(name)); }
    int IndexOfArea(std::string_view name) const;
    int IndexOfArea(const QString& name) const { return IndexOfArea(name.toStdString()); }
    int IndexOfArea(const char* name) const { return IndexOfArea(std::string_view(name)); }

private:
    void ClearAll();
    bool ReadPackage(const QByteArray& package);
    void ReadDefinitions(const TskIniFile& ini);
    void ReadObjects(const TskIniFile& ini);
    void ReadControls(const TskIniFile& ini);
    void ReadAreas(const TskIniFile& ini);
    void Notify(QEvent::Type type);

    bool enableSkinEffects_ = true;
    QPointer<TskCompressedStoredSkin> stored_;
    bool isEmpty_ = true;
    bool isChanging_ = false;
    int version_ = 0;

    QImage mainPicture_, inactivePicture_, maskPicture_, rollUpPicture_, rollUpMask_;
    std::vector<QImage> activePictures_;
    QString pictureName_, maskName_, rollUpPictureName_, rollUpMaskName_;
    QStringList activePictureNames_;
    QString skinName_, skinAuthor_, authorEmail_, authorURL_, skinComments_;
    TskFormInfo formInfo_;
    TskDataSkinPopupWindow popupWindow_;
    TskDataSkinHintWindow hintWindow_;
    TskSkinColors skinColors_;
    std::vector<TskDataSkinArea> areas_;
    std::vector<std::unique_ptr<TskDataSkinObject>> objects_;
    std::vector<std::unique_ptr<TskDataSkinControl>> controls_;
};
