// The two WAVE resources: exact headers and sizes, and how they are looked up.
#include "toolkit/Resources.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

quint32 U32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 U16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }

struct WaveCase {
    const char* name;
    int channels;
    quint32 dataBytes;
};

} // namespace

TEST(Sounds, AreSixteenBitPcmWithOnlyFormatAndDataChunks)
{
    for (const WaveCase& c : {WaveCase{"ZVUK1", 1, 313336}, WaveCase{"ZVUK2", 2, 488428}}) {
        SCOPED_TRACE(c.name);
        const QByteArray wave = FindResourceData(QString::fromLatin1(c.name), QStringLiteral("WAVE"));
        ASSERT_EQ(wave.size(), qsizetype(44 + c.dataBytes));
        EXPECT_EQ(wave.left(4), "RIFF");
        EXPECT_EQ(U32(wave, 4), 36 + c.dataBytes);
        EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(U32(wave, 16), 16u);
        EXPECT_EQ(U16(wave, 20), 1) << "PCM";
        EXPECT_EQ(U16(wave, 22), c.channels);
        EXPECT_EQ(U32(wave, 24), 44100u);
        EXPECT_EQ(U32(wave, 28), 44100u * c.channels * 2);
        EXPECT_EQ(U16(wave, 32), c.channels * 2);
        EXPECT_EQ(U16(wave, 34), 16);
        EXPECT_EQ(wave.mid(36, 4), "data");
        EXPECT_EQ(U32(wave, 40), c.dataBytes);
    }
}

TEST(Sounds, AreAudibleAndEndInSilence)
{
    for (const char* name : {"ZVUK1", "ZVUK2"}) {
        const QByteArray wave = FindResourceData(QString::fromLatin1(name), QStringLiteral("WAVE"));
        ASSERT_GT(wave.size(), 44 + 4);
        int peak = 0;
        for (qsizetype at = 44; at + 1 < wave.size(); at += 2)
            peak = std::max(peak, std::abs(int(qint16(U16(wave, at)))));
        EXPECT_GT(peak, 8000) << name;
        EXPECT_EQ(qint16(U16(wave, wave.size() - 2)), 0) << name << " must not end in a click";
    }
}

TEST(ResourceLookup, IgnoresCaseButKeepsTypesApart)
{
    const QByteArray zvuk1 = FindResourceData(QStringLiteral("ZVUK1"), QStringLiteral("WAVE"));
    ASSERT_FALSE(zvuk1.isEmpty());
    struct Case { const char* name; const char* type; bool found; };
    const Case cases[] = {
        {"zvuk1", "WAVE", true},
        {"ZvUk1", "wave", true},
        {"zvuk1", "RCDATA", false},
        {"zvuk1", "IMAGE", false},
        {"zvuk1", "", false},
        {"zvuk1.wav", "WAVE", false},
        {"../wave/ZVUK1", "WAVE", false},
        {"ZVUK1", "../wave", false},
        {"", "WAVE", false},
    };
    for (const Case& c : cases) {
        const QByteArray data = FindResourceData(QString::fromLatin1(c.name), QString::fromLatin1(c.type));
        EXPECT_EQ(data == zvuk1, c.found) << c.name << " as " << c.type;
        if (!c.found) {
            EXPECT_TRUE(data.isEmpty()) << c.name << " as " << c.type;
        }
    }
    EXPECT_NE(FindResourceData(QStringLiteral("zvuk2"), QStringLiteral("WAVE")), zvuk1);
}
