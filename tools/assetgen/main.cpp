// Writes every embedded picture, sound, icon and cursor of the program.
// Usage: assetgen <rendered-flags-dir> <ui/res dir> <hicolor icons dir>
#include "AssetGen.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

namespace {

bool Fail(const QString& message)
{
    QTextStream(stderr) << "assetgen: " << message << '\n';
    return false;
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return Fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

bool WriteImage(const QString& path, const QImage& image, const char* format, int quality = -1)
{
    QDir().mkpath(QFileInfo(path).path());
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return Fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
    return true;
}

const char* const kGlyphs[] = {"GLYPH_CHECK", "GLYPH_FLAG", "GLYPH_VIDEO", "GLYPH_ARROW"};

bool Generate(const QString& flags, const QDir& res, const QDir& hicolor)
{
    QString error;
    const QImage flagStrip = FlagStrip(flags, error);
    if (flagStrip.isNull())
        return Fail(error);
    bool ok = WriteImage(res.filePath("image/IMAGELIST1.png"), flagStrip, "png");
    ok = ok && WriteImage(res.filePath("image/IMAGELIST2.png"), TabIconStrip(), "png");
    for (int i = 0; i < 4 && ok; ++i)
        ok = WriteImage(res.filePath(QStringLiteral("image/%1.bmp").arg(kGlyphs[i])),
                        HeaderGlyph(i).convertToFormat(QImage::Format_RGB888), "bmp");
    ok = ok && WriteImage(res.filePath("image/DEFAULTLOGO.png"), Basketball(50, 2.2), "png");
    ok = ok && WriteImage(res.filePath("image/ABOUT.jpg"), AboutPicture(), "jpg", 92);
    ok = ok && WriteBytes(res.filePath("wave/ZVUK1.wav"), ChimeWave());
    ok = ok && WriteBytes(res.filePath("wave/ZVUK2.wav"), LoginWave());
    const std::vector<QImage> icons = {Basketball(16, 1.3), Basketball(32, 2.0), Basketball(48, 2.6)};
    ok = ok && WriteBytes(res.filePath("icon/MAINICON.ico"), IconFile(icons));
    // The desktop wants the larger sizes too; the seams grow more slowly than the ball.
    std::vector<QImage> desktopIcons = icons;
    for (const auto& [size, seam] : {std::pair{64, 3.2}, std::pair{128, 5.0}, std::pair{256, 8.0}})
        desktopIcons.push_back(Basketball(size, seam));
    for (const QImage& icon : desktopIcons) {
        const QString size = QStringLiteral("%1x%1").arg(icon.width());
        ok = ok && WriteImage(hicolor.filePath(size + "/apps/hoopline.png"), icon, "png");
    }
    ok = ok && WriteBytes(hicolor.filePath("scalable/apps/hoopline.svg"), BasketballSvg(256, 8.0));
    for (const QString& name : CursorNames()) {
        QPoint hot;
        const QImage cursor = Cursor(name, hot);
        ok = ok && WriteBytes(res.filePath("cursor/" + name + ".cur"), CursorFile(cursor, hot));
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        Fail(QStringLiteral("usage: assetgen <rendered-flags-dir> <res-dir> <hicolor-dir>"));
        return 2;
    }
    return Generate(args[1], QDir(args[2]), QDir(args[3])) ? 0 : 1;
}
