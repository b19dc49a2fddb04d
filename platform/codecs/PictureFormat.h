#pragma once

#include <QString>

// The picture kinds a drawing stores, with the codes its picture stores keep.
enum class PictureFormat : int {
    Unknown = 0,
    Gif = 1,
    Bmp = 2,
    Ico = 3,
    Jpeg = 4,
    Metafile = 5, // EMF or WMF, told apart by their contents
};

// The format a picture file is opened as, from its extension alone:
// "jpg"/"jpeg", "gif", "bmp", "ico", "emf"/"wmf"; Unknown otherwise.
PictureFormat pictureFormatForPath(const QString& path);

// The kinds of file a picture is saved as.
enum class SaveFormat {
    Jpeg,
    Bmp,
    Ico,
    Png,
};

// The format savePicture writes for a file name: ".bmp", ".ico" and ".png"
// pick their own; any other name, or none, is written as JPEG.
SaveFormat saveFormatForPath(const QString& path);
