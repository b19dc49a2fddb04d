#include "platform/codecs/PictureFormat.h"

#include <QFileInfo>

namespace {

// The extension after the last dot of the file name, trimmed and upper-cased;
// folders may contain dots of their own, so only the name counts.
QString extensionOf(const QString& path)
{
    const QString name = QFileInfo(path.trimmed()).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).trimmed().toUpper();
}

} // namespace

PictureFormat pictureFormatForPath(const QString& path)
{
    const QString ext = extensionOf(path);
    if (ext == u"JPG" || ext == u"JPEG")
        return PictureFormat::Jpeg;
    if (ext == u"GIF")
        return PictureFormat::Gif;
    if (ext == u"BMP")
        return PictureFormat::Bmp;
    if (ext == u"ICO")
        return PictureFormat::Ico;
    if (ext == u"EMF" || ext == u"WMF")
        return PictureFormat::Metafile;
    return PictureFormat::Unknown;
}

SaveFormat saveFormatForPath(const QString& path)
{
    const QString ext = extensionOf(path);
    if (ext == u"BMP")
        return SaveFormat::Bmp;
    if (ext == u"ICO")
        return SaveFormat::Ico;
    if (ext == u"PNG")
        return SaveFormat::Png;
    return SaveFormat::Jpeg;
}
