// The skin text: ini lines and the value syntax of the definitions.
#include "SkinTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinIni, NamesMatchWithoutCaseValuesAsWritten)
{
    const TskIniFile ini("\xEF\xBB\xBF[Edit]\r\n"
                         "unenabledfontColor=8421504\r\n"
                         "  fontname = MS Sans Serif  \r\n"
                         "hint=Say=Hello\r\n"
                         "this line has no equals sign\r\n"
                         "=value without key\r\n"
                         "; a comment=1\r\n"
                         "[broken\r\n"
                         "fontName=second wins not\r\n"
                         "style=FsBold\n"
                         "lf=1\r"
                         "cr=2\r\n"
                         "[edit]\r\n"
                         "late=3");
    EXPECT_EQ(ini.ReadInteger("EDIT", "UnenabledFontColor", 0), 8421504);
    EXPECT_EQ(ini.ReadString("edit", "fontname"), "MS Sans Serif");
    EXPECT_EQ(ini.ReadString("edit", "hint"), "Say=Hello");
    EXPECT_EQ(ini.ReadString("edit", "style"), "FsBold");
    EXPECT_EQ(ini.ReadInteger("edit", "lf", 0), 1);
    EXPECT_EQ(ini.ReadInteger("edit", "cr", 0), 2);
    EXPECT_EQ(ini.ReadInteger("edit", "late", 0), 3);  // a repeated section adds to the first
    EXPECT_FALSE(ini.ValueExists("edit", "a comment"));
    EXPECT_FALSE(ini.SectionExists("broken"));
    EXPECT_EQ(ini.SectionCount(), 1);
}

TEST(SkinIni, IntegersAndBooleans)
{
    const TskIniFile ini("[s]\r\na=12\r\nb=-7\r\nc=+3\r\nd=12abc\r\ne=\r\nf=99999999999\r\n"
                         "t1=1\r\nt2=2\r\nt3=true\r\nt4= 1 \r\n");
    struct Case {
        const char* key;
        int expected;
    };
    for (const Case& c : {Case{"a", 12}, Case{"b", -7}, Case{"c", 3}, Case{"d", 42}, Case{"e", 42},
                          Case{"f", 42}, Case{"missing", 42}})
        EXPECT_EQ(ini.ReadInteger("s", c.key, 42), c.expected) << c.key;
    EXPECT_TRUE(ini.ReadBool("s", "t1"));
    EXPECT_FALSE(ini.ReadBool("s", "t2"));
    EXPECT_FALSE(ini.ReadBool("s", "t3"));
    EXPECT_TRUE(ini.ReadBool("s", "t4"));
    EXPECT_FALSE(ini.ReadBool("s", "missing"));
}

TEST(SkinValues, RectsAndPointsKeepDigitsOnly)
{
    struct Case {
        const char* text;
        TskRect rect;
    };
    const Case cases[] = {
        {"1,2,3,4", R(1, 2, 3, 4)},
        {"-5,3,10,20", R(5, 3, 10, 20)},  // a minus sign is skipped like any other character
        {" 8, 26 ,168 , 116", R(8, 26, 168, 116)},
        {"1,2", R(1, 2, 0, 0)},
        {"1,2,3,4,5", R(1, 2, 3, 4)},
        {"", R(0, 0, 0, 0)},
        {"a1b,,x,9y9", R(1, 0, 0, 99)},
        {"99999999999999,1,2,3", R(1000000, 1, 2, 3)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSkinRect(c.text), c.rect) << c.text;
    EXPECT_EQ(ParseSkinPoint("-10, 28"), P(10, 28));
    EXPECT_EQ(ParseSkinPoint("7"), P(7, 0));
    EXPECT_TRUE(R(5, 5, 5, 9).IsEmpty());
    EXPECT_TRUE(R(0, 0, 0, 0).IsEmpty());
    EXPECT_FALSE(R(0, 0, 1, 1).IsEmpty());
}

TEST(SkinValues, FontStylesAreFoundAnywhereButOnlyInLowerCase)
{
    struct Case {
        const char* text;
        TFontStyles style;
    };
    const Case cases[] = {
        {"", 0},
        {"[fsbold]", fsBold},
        {"[fsBold]", 0},
        {"FSBOLD", 0},
        {"[fsbold,fsitalic]", fsBold | fsItalic},
        {"xfsunderlinex fsstrikeout", fsUnderline | fsStrikeOut},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSkinFontStyle(c.text), c.style) << c.text;
}

TEST(SkinValues, EnumeratedWords)
{
    const TskIniFile ini("[s]\r\n"
                         "a1=taleftjustify\r\na2=tacenter\r\na3=tarightjustify\r\na4=TALEFTJUSTIFY\r\n"
                         "m1=mkpush\r\nm2=mkrightslide\r\nm3=bogus\r\n"
                         "e1=iedarkness\r\ne2=ieinvert\r\ne3=bogus\r\n"
                         "c1=cmclose\r\nc2=cmsysmenu\r\nc3=cmrollup\r\nc4=cmminimizetotray\r\nc5=whatever\r\n"
                         "c6=cmdefault\r\n");
    const TskSectionReader r(ini, "S");
    EXPECT_EQ(r.Alignment("a1"), taLeftJustify);
    EXPECT_EQ(r.Alignment("a2"), taCenter);
    EXPECT_EQ(r.Alignment("a3"), taRightJustify);
    EXPECT_EQ(r.Alignment("a4"), taRightJustify);
    EXPECT_EQ(r.Alignment("missing"), taCenter);
    EXPECT_EQ(r.MorphKind("m1"), mkPush);
    EXPECT_EQ(r.MorphKind("m2"), mkRightSlide);
    EXPECT_EQ(r.MorphKind("m3"), mkDefault);
    EXPECT_EQ(r.MorphKind("missing"), mkDefault);
    EXPECT_EQ(r.InActiveEffect("e1"), ieDarkness);
    EXPECT_EQ(r.InActiveEffect("e2"), ieInvert);
    EXPECT_EQ(r.InActiveEffect("e3"), ieGrayScale);
    EXPECT_EQ(r.InActiveEffect("missing"), ieBrightness);
    EXPECT_EQ(r.Command("c1"), cmClose);
    EXPECT_EQ(r.Command("c2"), cmSysMenu);
    EXPECT_EQ(r.Command("c3"), cmRollUp);
    EXPECT_EQ(r.Command("c4"), cmMinimizeToTray);
    EXPECT_EQ(r.Command("c5"), cmMinimizeToTray);
    EXPECT_EQ(r.Command("c6"), cmDefault);
    EXPECT_EQ(r.Command("missing"), cmDefault);
}

TEST(SkinValues, DefinitionsReadTheirKeysWithTheirDefaults)
{
    const TskIniFile ini("[Caption1]\r\nSKINRECT=-4,3,173,21\r\nfontstyle=[FSBOLD]\r\nhint=\xc7\xe0\xea\xf0\xfb\xf2\xfc\r\n"
                         "[stdlabel]\r\nfontcolor=255\r\n"
                         "[edit]\r\nfontheight=oops\r\n");
    TskDataSkinCaption caption("caption1");
    caption.LoadFromIni(ini);
    EXPECT_EQ(caption.skinrect, R(4, 3, 173, 21));
    EXPECT_EQ(caption.fontstyle, 0);
    EXPECT_EQ(caption.hint, QString::fromUtf8("Закрыть"));  // Windows-1251 text
    EXPECT_EQ(caption.fontname, "Arial");
    EXPECT_EQ(caption.fontheight, 14);
    EXPECT_EQ(caption.animateinterval, 25);
    EXPECT_EQ(caption.activepictureindex, -1);
    EXPECT_EQ(caption.alignment, taCenter);

    TskDataSkinStdLabelControl label("stdlabel");
    label.LoadFromIni(ini);
    EXPECT_EQ(label.fontcolor, 255u);
    EXPECT_EQ(label.activefontcolor, 0xFF0000u);
    EXPECT_EQ(label.pictureindex, -1);

    TskDataSkinEditControl edit("edit");
    edit.LoadFromIni(ini);
    EXPECT_EQ(edit.fontheight, 14);

    TskDataSkinStdButton missing("nosection");
    missing.LoadFromIni(ini);
    EXPECT_EQ(missing.groupindex, -1);
    EXPECT_EQ(missing.command, cmDefault);
    EXPECT_TRUE(missing.skinrect.IsEmpty());
}

}  // namespace
