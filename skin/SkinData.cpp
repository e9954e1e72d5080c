#include "skin/SkinData.h"

#include "toolkit/Logging.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <QtEndian>
#include <algorithm>
#include <functional>
#include <map>

// ---- definition factories ----------------------------------------------------

namespace {

template <class T, class Base>
std::unique_ptr<Base> Make(std::string name)
{
    return std::make_unique<T>(std::move(name));
}

using ObjectFactory = std::unique_ptr<TskDataSkinObject> (*)(std::string);
using ControlFactory = std::unique_ptr<TskDataSkinControl> (*)(std::string);

ObjectFactory ObjectFactoryFor(std::string_view type)
{
    using O = TskDataSkinObject;
    static const std::map<std::string, ObjectFactory, std::less<>> factories = {
        {"menuitem", Make<TskDataSkinMenuItem, O>},
        {"mainmenubaritem", Make<TskDataSkinMainMenuBarItem, O>},
        {"mainmenuitem", Make<TskDataSkinMainMenuItem, O>},
        {"stdbutton", Make<TskDataSkinStdButton, O>},
        {"mainmenubarbutton", Make<TskDataSkinMainMenuBarButton, O>},
        {"button", Make<TskDataSkinButton, O>},
        {"caption", Make<TskDataSkinCaption, O>},
        {"trackbar", Make<TskDataSkinTrackBar, O>},
        {"gauge", Make<TskDataSkinGauge, O>},
        {"framegauge", Make<TskDataSkinFrameGaugeObject, O>},
        {"frameregulator", Make<TskDataSkinFrameRegulatorObject, O>},
        {"label", Make<TskDataSkinLabel, O>},
        {"bitlabel", Make<TskDataSkinBitLabel, O>},
        {"switch", Make<TskDataSkinSwitch, O>},
        {"animate", Make<TskDataSkinAnimate, O>},
        {"userobject", Make<TskDataUserObject, O>},
    };
    auto it = factories.find(type);
    return it == factories.end() ? nullptr : it->second;
}

ControlFactory ControlFactoryFor(std::string_view type)
{
    using C = TskDataSkinControl;
    static const std::map<std::string, ControlFactory, std::less<>> factories = {
        {"slider", Make<TskDataSkinSlider, C>},
        {"bevel", Make<TskDataSkinBevel, C>},
        {"panel", Make<TskDataSkinPanelControl, C>},
        {"expanel", Make<TskDataSkinExPanelControl, C>},
        {"menubutton", Make<TskDataSkinMenuButtonControl, C>},
        {"button", Make<TskDataSkinButtonControl, C>},
        {"checkradio", Make<TskDataSkinCheckRadioControl, C>},
        {"gauge", Make<TskDataSkinGaugeControl, C>},
        {"splitter", Make<TskDataSkinSplitterControl, C>},
        {"trackbar", Make<TskDataSkinTrackBarControl, C>},
        {"label", Make<TskDataSkinLabelControl, C>},
        {"stdlabel", Make<TskDataSkinStdLabelControl, C>},
        {"bitlabel", Make<TskDataSkinBitLabelControl, C>},
        {"frameregulator", Make<TskDataSkinFrameRegulator, C>},
        {"framegauge", Make<TskDataSkinFrameGauge, C>},
        {"animate", Make<TskDataSkinAnimateControl, C>},
        {"updown", Make<TskDataSkinUpDownControl, C>},
        {"switch", Make<TskDataSkinSwitchControl, C>},
        {"grid", Make<TskDataSkinGridControl, C>},
        {"tab", Make<TskDataSkinTabControl, C>},
        {"mainmenubar", Make<TskDataSkinMainMenuBar, C>},
        {"controlbar", Make<TskDataSkinControlBar, C>},
        {"memo", Make<TskDataSkinMemoControl, C>},
        {"edit", Make<TskDataSkinEditControl, C>},
        {"checklistbox", Make<TskDataSkinCheckListBox, C>},
        {"listbox", Make<TskDataSkinListBox, C>},
        {"combobox", Make<TskDataSkinComboBox, C>},
        {"scrollbar", Make<TskDataSkinScrollBarControl, C>},
        {"spinedit", Make<TskDataSkinSpinEditControl, C>},
        {"scrollbox", Make<TskDataSkinScrollBoxControl, C>},
        {"treeview", Make<TskDataSkinTreeView, C>},
        {"listview", Make<TskDataSkinListView, C>},
        {"richedit", Make<TskDataSkinRichEdit, C>},
    };
    auto it = factories.find(type);
    return it == factories.end() ? nullptr : it->second;
}

// Walks "count" and the keys 0..count-1 of an index section, giving each
// value split at its first colon. A count beyond the keys present is cut to
// them, so a lying count cannot spin for billions of lookups.
template <class Fn>
void ForEachIndexEntry(const TskIniFile& ini, std::string_view section, Fn fn)
{
    const int count = std::min(ini.ReadInteger(section, "count", 0), ini.KeyCount(section));
    for (int i = 0; i < count; ++i) {
        const std::string value = ini.ReadString(section, std::to_string(i));
        const size_t colon = value.find(':');
        if (colon != std::string::npos)
            fn(value.substr(0, colon), std::string_view(value).substr(colon + 1));
    }
}

}  // namespace

// ---- TskCompressedStoredSkin -------------------------------------------------

bool TskCompressedStoredSkin::PackSkinFolder(const QString& path)
{
    const QByteArray package = BuildSkinPackageFromFolder(path, 2);
    if (package.isEmpty())
        return false;
    data_ = DeflateSkinStream(package, 9);
    fileName_ = QFileInfo(path).fileName();
    return true;
}

bool TskCompressedStoredSkin::LoadSknFile(const QString& path)
{
    data_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 8)
        return false;
    const qint32 version = qFromLittleEndian<qint32>(bytes.constData());
    const qint32 length = qFromLittleEndian<qint32>(bytes.constData() + 4);
    if (version > kSkinPackageMaxVersion || length < 0 || length > bytes.size() - 8)
        return false;
    data_ = bytes.mid(8, length);
    compressedFileName_ = QFileInfo(path).fileName();
    return true;
}

// ---- TskSkinData -------------------------------------------------------------

TskSkinData::TskSkinData(QObject* parent) : QObject(parent) {}

TskSkinData::~TskSkinData() { ClearAll(); }

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* stored)
{
    stored_ = stored;
    if (stored)
        LoadCompressedStoredSkin(stored);
}

QImage TskSkinData::ActivePicture(int index) const
{
    if (index < 0 || size_t(index) >= activePictures_.size())
        return {};
    return activePictures_[size_t(index)];
}

TskDataSkinObject* TskSkinData::Object(int index) const
{
    if (index < 0 || size_t(index) >= objects_.size())
        return nullptr;
    return objects_[size_t(index)].get();
}

TskDataSkinControl* TskSkinData::Control(int index) const
{
    if (index < 0 || size_t(index) >= controls_.size())
        return nullptr;
    return controls_[size_t(index)].get();
}

namespace {
template <class List>
int IndexByName(const List& list, std::string_view name)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i]->IDName == name)
            return int(i);
    return -1;
}
}  // namespace

int TskSkinData::IndexOfControl(std::string_view name) const { return IndexByName(controls_, name); }

int TskSkinData::IndexOfObject(std::string_view name) const { return IndexByName(objects_, name); }

int TskSkinData::IndexOfArea(std::string_view name) const
{
    for (size_t i = 0; i < areas_.size(); ++i)
        if (areas_[i].IDName == name)
            return int(i);
    return -1;
}

void TskSkinData::ClearAll()
{
    objects_.clear();
    controls_.clear();
    areas_.clear();
    activePictures_.clear();
    popupWindow_ = {};
    hintWindow_ = {};
    activePictureNames_.clear();
    skinName_.clear();
    skinAuthor_.clear();
    authorEmail_.clear();
    authorURL_.clear();
    skinComments_.clear();
    skinColors_ = {};
    formInfo_ = {};
    mainPicture_ = inactivePicture_ = maskPicture_ = rollUpPicture_ = rollUpMask_ = QImage();
    pictureName_.clear();
    maskName_.clear();
    rollUpPictureName_.clear();
    rollUpMaskName_.clear();
    version_ = 0;
}

void TskSkinData::Notify(QEvent::Type type)
{
    // The owner form hears first, then every other window, as the frames and
    // controls of each window re-resolve their definitions on these.
    QWidget* owner = qobject_cast<QWidget*>(parent());
    if (owner && !owner->isWindow())
        owner = nullptr;
    if (owner) {
        TskSkinChangeEvent event(type, this);
        QCoreApplication::sendEvent(owner, &event);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    // A handler may close a window: hold the others by guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType kind = w->windowType();
        if (w != owner && (kind == Qt::Window || kind == Qt::Dialog))
            windows.append(w);
    }
    for (const QPointer<QWidget>& w : windows) {
        if (!w)
            continue;
        TskSkinChangeEvent event(type, this);
        QCoreApplication::sendEvent(w, &event);
    }
}

void TskSkinData::LoadCompressedStoredSkin(const TskCompressedStoredSkin* stored)
{
    if (!stored || stored->IsEmpty())
        return;
    isEmpty_ = true;
    isChanging_ = true;
    Notify(SKIN_BEGIN_CHANGE);
    ClearAll();

    // However the load ends, holders that dropped their definitions on the
    // begin message must hear the end of the change.
    auto finish = [this](bool loaded) {
        if (loaded)
            qCDebug(lcSkin, "stored skin loaded");
        else
            qCWarning(lcSkin, "the stored skin could not be read; the built-in look is drawn");
        if (!loaded)
            ClearAll();
        isEmpty_ = !loaded;
        Notify(SKIN_CHANGED);
        isChanging_ = false;
        Notify(SKIN_END_CHANGE);
    };
    QByteArray package;
    try {
        package = stored->Decompress();
    } catch (const EDecompressionError&) {
        finish(false);
        throw;
    }
    finish(ReadPackage(package));
}

bool TskSkinData::ReadPackage(const QByteArray& package)
{
    TskPackageReader reader(package);
    int version = 0;
    if (!reader.ReadInt32(version) || version < 1 || version > kSkinPackageMaxVersion)
        return false;

    std::optional<QByteArray> main, inactive, mask, rollUp, rollUpMask;
    if (!reader.ReadPictureSlot(main))
        return false;
    if ((version == 2 || version == 3) && !reader.ReadPictureSlot(inactive))
        return false;
    if (!reader.ReadPictureSlot(mask))
        return false;
    if ((version == 1 || version == 2)
        && !(reader.ReadPictureSlot(rollUp) && reader.ReadPictureSlot(rollUpMask)))
        return false;
    int count = 0;
    if (!reader.ReadInt32(count))
        return false;
    std::vector<QByteArray> active;
    for (int i = 0; i < count; ++i) {
        QByteArray bmp;
        if (!reader.ReadBmp(bmp))
            return false;
        active.push_back(std::move(bmp));
    }

    auto decode = [](const std::optional<QByteArray>& slot) {
        return slot ? DecodeSkinBmp(*slot) : QImage();
    };
    version_ = version;
    mainPicture_ = decode(main);
    inactivePicture_ = decode(inactive);
    maskPicture_ = decode(mask);
    rollUpPicture_ = decode(rollUp);
    rollUpMask_ = decode(rollUpMask);
    // A picture that does not decode keeps its place, so indices stay right.
    for (const QByteArray& bmp : active)
        activePictures_.push_back(DecodeSkinBmp(bmp));

    const QByteArray text = reader.ReadRest();
    ReadDefinitions(TskIniFile(std::string_view(text.constData(), size_t(text.size()))));
    return true;
}

void TskSkinData::ReadDefinitions(const TskIniFile& ini)
{
    TskSectionReader v(ini, "VERSION");
    skinName_ = v.Text("skinname");
    skinAuthor_ = v.Text("skinauthor");
    authorEmail_ = v.Text("authoremail");
    authorURL_ = v.Text("authorurl");
    skinComments_ = v.Text("skincomments");

    TskSectionReader p(ini, "PICTURES");
    pictureName_ = p.Text("picture");
    maskName_ = p.Text("mask");
    rollUpPictureName_ = p.Text("rolluppicture");
    rollUpMaskName_ = p.Text("rollupmask");
    const int names = std::min(p.Int("activepicturescount"), ini.KeyCount("PICTURES"));
    for (int i = 0; i < names; ++i)
        activePictureNames_.append(p.Text(std::to_string(i)));

    formInfo_.LoadFromIni(ini, !maskName_.isEmpty());
    popupWindow_.LoadFromIni(ini);
    hintWindow_.LoadFromIni(ini);
    skinColors_.LoadFromIni(ini);
    ReadAreas(ini);
    ReadObjects(ini);
    ReadControls(ini);
}

void TskSkinData::ReadAreas(const TskIniFile& ini)
{
    ForEachIndexEntry(ini, "SKINAREAS", [this](std::string name, std::string_view rect) {
        areas_.push_back({std::move(name), ParseSkinRect(rect)});
    });
}

void TskSkinData::ReadObjects(const TskIniFile& ini)
{
    ForEachIndexEntry(ini, "SKINOBJECTS", [&](std::string name, std::string_view type) {
        if (ObjectFactory make = ObjectFactoryFor(type)) {
            objects_.push_back(make(std::move(name)));
            objects_.back()->LoadFromIni(ini);
        }
    });
}

void TskSkinData::ReadControls(const TskIniFile& ini)
{
    ForEachIndexEntry(ini, "SKINCONTROLS", [&](std::string name, std::string_view type) {
        if (ControlFactory make = ControlFactoryFor(type)) {
            controls_.push_back(make(std::move(name)));
            controls_.back()->LoadFromIni(ini);
        }
    });
}
