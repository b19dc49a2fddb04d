#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

struct MetafileSvg {
    QByteArray svg; // empty on failure
    QString message;
};

// An EMF file, already checked by readMetafileHeader, as an SVG document of
// the given size.
MetafileSvg emfToSvg(const QByteArray& bytes, QSize size);
