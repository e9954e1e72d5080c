#pragma once
// The skin package: the byte layout of pictures and definition text behind a
// stored skin, and the zlib stream that carries it. Kept free of widgets so the
// build's packer can use it before the skin library exists.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <stdexcept>

class EDecompressionError : public std::runtime_error {
public:
    EDecompressionError() : std::runtime_error("compression error") {}
};

class ECompressionError : public std::runtime_error {
public:
    ECompressionError() : std::runtime_error("error") {}
};

inline constexpr int kSkinPackageMaxVersion = 3;

// A package taken apart. A picture slot holds a whole BMP file image or nothing.
struct TskSkinPackage {
    int Version = kSkinPackageMaxVersion;
    std::optional<QByteArray> Picture, InactivePicture, Mask, RollUpPicture, RollUpMask;
    QList<QByteArray> ActivePictures;
    QByteArray Text;  // ini text, CR LF lines, 8-bit
};

// zlib stream in, package bytes out; EDecompressionError on a damaged stream.
QByteArray InflateSkinStream(const QByteArray& compressed);
// ECompressionError when zlib fails.
QByteArray DeflateSkinStream(const QByteArray& data, int level = 9);

// Lays the parts out for their version: versions 2 and 3 carry the inactive
// picture, versions 1 and 2 the roll-up pair.
QByteArray EncodeSkinPackage(const TskSkinPackage& package);

// Bounds-checked reading of package bytes.
class TskPackageReader {
public:
    explicit TskPackageReader(const QByteArray& data) : data_(data) {}
    bool ReadInt32(int& out);
    // One BMP file image sized by its file header; false when the header is
    // damaged or claims more bytes than remain.
    bool ReadBmp(QByteArray& out);
    // A slot: nonzero flag byte = empty; zero = a BMP follows.
    bool ReadPictureSlot(std::optional<QByteArray>& out);
    QByteArray ReadRest();
    qsizetype Remaining() const { return data_.size() - pos_; }

private:
    const QByteArray& data_;
    qsizetype pos_ = 0;
};

// Reads the ini file at `iniPath` and the pictures its [PICTURES] names
// (relative to its folder). Empty when a required section or file is missing.
QByteArray BuildSkinPackageFromFolder(const QString& iniPath, int version);

class QImage;
// Decodes one BMP file image; a null image when its headers disagree with its
// size (a lying header never makes the decoder read past the bytes given).
QImage DecodeSkinBmp(const QByteArray& bmp);
