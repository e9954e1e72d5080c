// Loading a stored skin: the steps, the change messages and damaged input.
#include "SkinTestSupport.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QByteArray kText =
    "[VERSION]\r\nskinname=Small\r\n"
    "[PICTURES]\r\npicture=m.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
    "[FORMINFO]\r\nclientrect=2,3,18,8\r\nlefttoppoint=3,4\r\nrightbottompoint=17,7\r\n"
    "[SKINCOLORS]\r\ncbtnface=255\r\n"
    "[SKINOBJECTS]\r\ncount=1\r\n0=caption1:caption\r\n"
    "[SKINCONTROLS]\r\ncount=2\r\n0=tab:tab\r\n1=button:button\r\n"
    "[tab]\r\npictureindex=1\r\nskinrect=0,0,3,4\r\n"
    "[button]\r\npictureindex=0\r\nskinrect=1,1,6,4\r\n";

class SkinLoad : public ::testing::Test {
protected:
    void Load(const TskSkinPackage& package)
    {
        Store(stored_, package);
        skin_.LoadCompressedStoredSkin(&stored_);
    }
    void ExpectEmpty()
    {
        EXPECT_TRUE(skin_.IsEmpty());
        EXPECT_FALSE(skin_.IsChanging());
        EXPECT_TRUE(skin_.CtrlList().empty());
        EXPECT_TRUE(skin_.ObjectList().empty());
        EXPECT_TRUE(skin_.ActivePictures().empty());
        EXPECT_TRUE(skin_.MainPicture().isNull());
        EXPECT_EQ(skin_.SkinColors().cbtnface, clBtnFace);
    }
    std::vector<SkinMessage> log_;
    RecordingForm owner_{&log_};
    TskSkinData skin_{&owner_};
    TskCompressedStoredSkin stored_;
};

TEST_F(SkinLoad, SendsTheThreeMessagesInOrderOwnerFirst)
{
    RecordingForm other(&log_);
    Load(SmallPackage(kText));
    ASSERT_EQ(log_.size(), 6u);
    const QEvent::Type order[] = {SKIN_BEGIN_CHANGE, SKIN_CHANGED, SKIN_END_CHANGE};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(log_[size_t(2 * i)].type, order[i]);
        EXPECT_EQ(log_[size_t(2 * i)].window, &owner_);
        EXPECT_EQ(log_[size_t(2 * i + 1)].type, order[i]);
        EXPECT_EQ(log_[size_t(2 * i + 1)].window, &other);
    }
    // Begin: emptied and changing; changed: loaded, still changing; end: done.
    EXPECT_TRUE(log_[0].isEmpty && log_[0].isChanging);
    EXPECT_TRUE(!log_[2].isEmpty && log_[2].isChanging);
    EXPECT_TRUE(!log_[4].isEmpty && !log_[4].isChanging);
}

// A window may close another while the messages are out; the closed one must
// not be sent anything.
TEST_F(SkinLoad, AWindowClosedByAnotherWindowsHandlerIsSkipped)
{
    struct ClosingForm : RecordingForm {
        using RecordingForm::RecordingForm;
        ClosingForm* partner = nullptr;
        bool event(QEvent* e) override
        {
            if (e->type() == SKIN_BEGIN_CHANGE && partner) {
                partner->partner = nullptr;
                delete partner;
                partner = nullptr;
            }
            return RecordingForm::event(e);
        }
    };
    std::vector<SkinMessage> otherLog;
    auto* a = new ClosingForm(&otherLog);
    auto* b = new ClosingForm(&otherLog);
    a->partner = b;
    b->partner = a;
    Load(SmallPackage(kText));
    ASSERT_EQ(otherLog.size(), 3u);  // one survivor, three messages
    EXPECT_EQ(otherLog[0].window, otherLog[2].window);
    EXPECT_EQ(log_.size(), 3u);
    delete otherLog[0].window;
}

TEST_F(SkinLoad, EmptyStoredSkinChangesNothingAndSaysNothing)
{
    skin_.LoadCompressedStoredSkin(&stored_);
    skin_.SetCompressedStoredSkin(&stored_);
    EXPECT_TRUE(skin_.IsEmpty());
    EXPECT_TRUE(log_.empty());

    Load(SmallPackage(kText));
    log_.clear();
    stored_.SetCompressedData({});
    skin_.LoadCompressedStoredSkin(&stored_);
    EXPECT_FALSE(skin_.IsEmpty());  // the old skin stays
    EXPECT_TRUE(log_.empty());
}

TEST_F(SkinLoad, ReadsEveryPartOfEachVersion)
{
    for (int version : {1, 2, 3}) {
        SCOPED_TRACE(version);
        TskSkinPackage package = SmallPackage(kText, version);
        package.Mask = Bmp(5, 5);
        if (version != 1)
            package.InactivePicture = Bmp(4, 4);
        Load(package);
        ASSERT_FALSE(skin_.IsEmpty());
        EXPECT_EQ(skin_.Version(), version);
        EXPECT_EQ(skin_.MainPicture().size(), QSize(20, 10));
        EXPECT_EQ(skin_.InactivePicture().size(), version == 1 ? QSize(0, 0) : QSize(4, 4));
        EXPECT_EQ(skin_.MaskPicture().size(), QSize(5, 5));
        EXPECT_EQ(skin_.RollUpPicture().size(), version == 3 ? QSize(0, 0) : QSize(6, 6));
        ASSERT_EQ(skin_.ActivePictures().size(), 2u);
        EXPECT_EQ(skin_.ActivePictures()[1].size(), QSize(3, 4));
        EXPECT_EQ(skin_.SkinName(), "Small");
        EXPECT_EQ(skin_.IndexOfControl("button"), 1);
        EXPECT_EQ(skin_.FormInfo().clientrect, R(2, 3, 18, 8));
    }
}

TEST_F(SkinLoad, ReloadReplacesTheOldSkinWhole)
{
    Load(SmallPackage(kText));
    Load(SmallPackage("[SKINCONTROLS]\r\ncount=1\r\n0=panel:panel\r\n"));
    EXPECT_EQ(skin_.CtrlList().size(), 1u);
    EXPECT_EQ(skin_.IndexOfControl("button"), -1);
    EXPECT_TRUE(skin_.ObjectList().empty());
    EXPECT_TRUE(skin_.SkinName().isEmpty());
    EXPECT_EQ(skin_.FormInfo().clientrect, R(0, 0, 0, 0));
    EXPECT_EQ(skin_.SkinColors().cbtnface, 0u);  // [SKINCOLORS] gone: black, not system
}

TEST_F(SkinLoad, ColoursAreSystemColoursUntilLoadedThenDefaultToBlack)
{
    EXPECT_EQ(skin_.SkinColors().c3dlight, cl3DLight);
    EXPECT_EQ(skin_.SkinColors().cbtnface, clBtnFace);
    Load(SmallPackage(kText));
    EXPECT_EQ(skin_.SkinColors().cbtnface, 255u);
    EXPECT_EQ(skin_.SkinColors().c3dlight, 0u);
    EXPECT_EQ(skin_.SkinColors().cwindow, 0u);
}

TEST_F(SkinLoad, NewerOrUnknownVersionLeavesTheSkinEmptyButEndsTheChange)
{
    for (int version : {4, 7, 0, -1}) {
        SCOPED_TRACE(version);
        Load(SmallPackage(kText));
        log_.clear();
        TskSkinPackage package = SmallPackage(kText);
        package.Version = version;
        Load(package);
        ExpectEmpty();
        ASSERT_EQ(log_.size(), 3u);
        EXPECT_EQ(log_[0].type, SKIN_BEGIN_CHANGE);
        EXPECT_EQ(log_[1].type, SKIN_CHANGED);
        EXPECT_EQ(log_[2].type, SKIN_END_CHANGE);
    }
}

TEST_F(SkinLoad, DamagedStreamThrowsAndLeavesTheSkinEmpty)
{
    const QByteArray good = DeflateSkinStream(EncodeSkinPackage(SmallPackage(kText)));
    QByteArray flipped = good;
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x55);
    for (const QByteArray& bad : {QByteArray("not a zlib stream"), good.left(good.size() / 2), flipped,
                                  QByteArray(1, '\x78')}) {
        Load(SmallPackage(kText));
        log_.clear();
        stored_.SetCompressedData(bad);
        try {
            skin_.LoadCompressedStoredSkin(&stored_);
            ADD_FAILURE() << "no exception";
        } catch (const EDecompressionError& e) {
            EXPECT_STREQ(e.what(), "compression error");
        }
        ExpectEmpty();
        ASSERT_EQ(log_.size(), 3u);
        EXPECT_EQ(log_[2].type, SKIN_END_CHANGE);
    }
}

TEST_F(SkinLoad, TruncatedPackageNeverReadsPastItsEnd)
{
    const QByteArray package = EncodeSkinPackage(SmallPackage(kText));
    const qsizetype textStart = package.indexOf("[VERSION]");
    for (qsizetype cut : {qsizetype(0), qsizetype(3), qsizetype(5), qsizetype(20), textStart - 10,
                          textStart - 1}) {
        SCOPED_TRACE(cut);
        stored_.SetCompressedData(DeflateSkinStream(package.left(cut)));
        skin_.LoadCompressedStoredSkin(&stored_);
        ExpectEmpty();
    }
    // Cut inside the text: whatever lines are whole still count.
    stored_.SetCompressedData(DeflateSkinStream(package.left(package.indexOf("1=button"))));
    skin_.LoadCompressedStoredSkin(&stored_);
    EXPECT_FALSE(skin_.IsEmpty());
    EXPECT_EQ(skin_.CtrlList().size(), 1u);
}

TEST_F(SkinLoad, LyingBmpHeadersAreCaught)
{
    struct Case {
        const char* what;
        qsizetype offset;  // in the first active picture
        quint32 value;
    };
    const Case cases[] = {
        {"file size beyond the package", 2, 0x7FFFFFF0},
        {"file size below the headers", 2, 10},
        {"width beyond its bytes", 18, 60000},
        {"pixels beyond its bytes", 10, 0x00FFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TskSkinPackage package = SmallPackage(kText);
        char* p = package.ActivePictures[0].data() + c.offset;
        qToLittleEndian(c.value, p);
        Load(package);
        if (c.offset == 2) {
            ExpectEmpty();  // the rest of the package cannot be found
        } else {
            // The slot is consumed by its size; only that picture is lost.
            ASSERT_EQ(skin_.ActivePictures().size(), 2u);
            EXPECT_TRUE(skin_.ActivePictures()[0].isNull());
            EXPECT_EQ(skin_.ActivePictures()[1].size(), QSize(3, 4));
            EXPECT_EQ(skin_.IndexOfControl("button"), 1);
        }
    }
}

TEST_F(SkinLoad, PictureCountBeyondThePackageEmptiesTheSkin)
{
    QByteArray package = EncodeSkinPackage(SmallPackage(""));
    const qsizetype countAt = package.size() - Bmp(7, 5).size() - Bmp(3, 4).size() - 4;
    qToLittleEndian<qint32>(1 << 30, package.data() + countAt);
    stored_.SetCompressedData(DeflateSkinStream(package));
    skin_.LoadCompressedStoredSkin(&stored_);
    ExpectEmpty();
}

TEST_F(SkinLoad, IndexSectionsSkipWhatTheyCannotUse)
{
    Load(SmallPackage("[SKINCONTROLS]\r\ncount=2000000000\r\n0=a:nosuchtype\r\n1=b:panel\r\n"
                      "2=no colon here\r\n3=c:button:extra\r\n4=:edit\r\n"
                      "[SKINOBJECTS]\r\ncount=-3\r\n0=caption1:caption\r\n"
                      "[SKINAREAS]\r\ncount=2\r\n0=grip: -1, 2 ,3,4\r\n1=bad\r\n"));
    ASSERT_EQ(skin_.CtrlList().size(), 2u);
    EXPECT_EQ(skin_.IndexOfControl("b"), 0);
    EXPECT_EQ(skin_.IndexOfControl("c"), -1);  // type "button:extra" is unknown
    EXPECT_EQ(skin_.IndexOfControl(""), 1);
    EXPECT_TRUE(skin_.ObjectList().empty());
    ASSERT_EQ(skin_.AreaList().size(), 1u);
    EXPECT_EQ(skin_.IndexOfArea("grip"), 0);
    EXPECT_EQ(skin_.AreaList()[0].AreaRect, R(1, 2, 3, 4));
}

TEST_F(SkinLoad, MaskRulesOfTheFrame)
{
    struct Case {
        const char* what;
        QByteArray forminfo;
        bool mask;
        TskRect maskArea;
        TskPoint hitLeftTop, leftTop, rightBottom;
    };
    const QByteArray base = "clientrect=10,20,100,80\r\nlefttoppoint=4,5\r\nrightbottompoint=120,90\r\n";
    const Case cases[] = {
        {"no mask: area kept, points pulled inside", base + "maskrectarea=1,1,2,2\r\n", false,
         R(1, 1, 2, 2), P(0, 0), P(10, 20), P(100, 80)},
        // Hit-test points take the corner points as written, before the pull.
        {"mask, no area: the client rect", base + "hittestlefttoppoint=7,0\r\n", true, R(10, 20, 100, 80),
         P(4, 5), P(10, 20), P(100, 80)},
        {"mask, area widened to the client", base + "maskrectarea=20,5,50,90\r\n", true,
         R(10, 5, 100, 90), P(4, 5), P(10, 20), P(100, 80)},
        {"corners on one line stay put", "clientrect=10,20,100,80\r\nlefttoppoint=4,5\r\nrightbottompoint=4,90\r\n",
         false, R(0, 0, 0, 0), P(0, 0), P(4, 5), P(4, 90)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray text = "[FORMINFO]\r\n" + c.forminfo;
        if (c.mask)
            text += "[PICTURES]\r\nmask=m.bmp\r\n";
        Load(SmallPackage(text));
        const TskFormInfo& f = skin_.FormInfo();
        EXPECT_EQ(f.maskrectarea, c.maskArea);
        EXPECT_EQ(f.hittestlefttoppoint, c.hitLeftTop);
        EXPECT_EQ(f.lefttoppoint, c.leftTop);
        EXPECT_EQ(f.rightbottompoint, c.rightBottom);
    }
}

TEST_F(SkinLoad, SettingTheStoredSkinLoadsItAndForgetsItWhenDestroyed)
{
    auto* stored = new TskCompressedStoredSkin;
    Store(*stored, SmallPackage(kText));
    skin_.SetCompressedStoredSkin(stored);
    EXPECT_FALSE(skin_.IsEmpty());
    EXPECT_EQ(skin_.CompressedStoredSkin(), stored);
    delete stored;
    EXPECT_EQ(skin_.CompressedStoredSkin(), nullptr);
}

// ---- design-time packing -------------------------------------------------------

class SkinFiles : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir_.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    QByteArray Skn(qint32 version, qint32 length, const QByteArray& data)
    {
        QByteArray out(8, '\0');
        qToLittleEndian(version, out.data());
        qToLittleEndian(length, out.data() + 4);
        return out + data;
    }
    QTemporaryDir dir_;
};

TEST_F(SkinFiles, PackSkinFolderWritesALoadableVersion2Package)
{
    Write("m.bmp", Bmp(20, 10));
    Write("r.bmp", Bmp(6, 6));
    Write("a.bmp", Bmp(7, 5));
    const QByteArray text = "[VERSION]\r\nskinname=Folder\r\n[PICTURES]\r\npicture=m.bmp\r\nrolluppicture=r.bmp\r\n"
                            "activepicturescount=1\r\n0=a.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n"
                            "[SKINCONTROLS]\r\ncount=1\r\n0=edit:edit\r\n";
    TskCompressedStoredSkin stored;
    ASSERT_TRUE(stored.PackSkinFolder(Write("skin.ini", text)));
    EXPECT_EQ(stored.FileName(), "skin.ini");
    TskSkinData skin;
    skin.LoadCompressedStoredSkin(&stored);
    EXPECT_EQ(skin.Version(), 2);
    EXPECT_EQ(skin.SkinName(), "Folder");
    EXPECT_EQ(skin.RollUpPicture().size(), QSize(6, 6));
    EXPECT_EQ(skin.ActivePictures().size(), 1u);
    EXPECT_EQ(skin.IndexOfControl("edit"), 0);
}

TEST_F(SkinFiles, PackSkinFolderRefusesAnIncompleteFolder)
{
    TskCompressedStoredSkin stored;
    stored.SetCompressedData("keep");
    EXPECT_FALSE(stored.PackSkinFolder(Write("a.ini", "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n")));
    EXPECT_FALSE(stored.PackSkinFolder(Write(
        "b.ini", "[VERSION]\r\n[PICTURES]\r\npicture=missing.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n")));
    EXPECT_FALSE(stored.PackSkinFolder(dir_.filePath("none.ini")));
    EXPECT_EQ(stored.CompressedData(), "keep");
}

TEST_F(SkinFiles, LoadSknFileTakesOnlyWholeFilesUpToVersion3)
{
    struct Case {
        const char* what;
        QByteArray file;
        QByteArray expected;
    };
    const Case cases[] = {
        {"version 3", Skn(3, 4, "abcdXYZ"), "abcd"},
        {"version 1", Skn(1, 2, "ab"), "ab"},
        {"version 4", Skn(4, 4, "abcd"), ""},
        {"length beyond the file", Skn(3, 9, "abcd"), ""},
        {"negative length", Skn(3, -1, "abcd"), ""},
        {"header cut short", QByteArray("\x03\x00\x00", 3), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TskCompressedStoredSkin stored;
        stored.SetCompressedData("old");
        stored.LoadSknFile(Write("x.skn", c.file));
        EXPECT_EQ(stored.CompressedData(), c.expected);
    }
}

}  // namespace
