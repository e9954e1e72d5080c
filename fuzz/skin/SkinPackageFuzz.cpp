// Feeds arbitrary bytes to the stored-skin loader: the first byte chooses
// whether they are the compressed stream itself (the inflater's errors) or the
// package inside a good stream (pictures, counts and the skin text).
#include "skin/SkinData.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

// The application object is made before the first input, outside its time limit.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "skin_package_fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(data[0] & 1 ? bytes : DeflateSkinStream(bytes, 1));
    TskSkinData skin;
    try {
        skin.LoadCompressedStoredSkin(&stored);
    } catch (const EDecompressionError&) {
    }
    for (const auto& control : skin.CtrlList())
        (void)skin.IndexOfControl(control->IDName);
    return 0;
}
