// Logo bytes come from the network: only a sound, reasonably sized PNG is decoded.
#include "app/TeamLogo.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string Png(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    return png.data().toStdString();
}

// The first chunk after the header claims about a gigabyte.
std::string WithHugeChunk()
{
    std::string png = Png(2, 2);
    const std::size_t second = 8 + 12 + 13;
    png[second] = '\x40';
    return png;
}

struct LogoCase {
    const char* label;
    std::string bytes;
    bool shown;
    friend void PrintTo(const LogoCase& c, std::ostream* os) { *os << c.label; }
};

class TeamLogoTest : public ::testing::TestWithParam<LogoCase> {};

TEST_P(TeamLogoTest, DecodesOnlySoundSmallPngs)
{
    EXPECT_EQ(!DecodeTeamLogo(GetParam().bytes).isNull(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TeamLogoTest,
    ::testing::Values(LogoCase{"small_png", Png(40, 30), true},
                      LogoCase{"largest_side", Png(kMaxLogoSide, 1), true},
                      LogoCase{"side_too_long", Png(1, kMaxLogoSide + 1), false},
                      LogoCase{"chunk_longer_than_the_file", WithHugeChunk(), false},
                      LogoCase{"cut_short", Png(40, 30).substr(0, 50), false},
                      LogoCase{"no_png", "GIF89a not a png", false}, LogoCase{"empty", "", false}),
    [](const auto& testCase) { return testCase.param.label; });

} // namespace
