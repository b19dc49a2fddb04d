#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

enum class MetafileKind {
    Emf,
    PlaceableWmf, // a WMF with the header that gives its physical size
    Wmf, // a bare WMF: its size comes from what it draws
};

struct MetafileHeader {
    MetafileKind kind = MetafileKind::Emf;
    // The physical size in inches (EMF frame, placeable WMF box); empty for a
    // bare WMF.
    QSizeF inches;
    // Placeable WMF: the box in logical units and the units per inch.
    int boxLeft = 0, boxTop = 0, boxRight = 0, boxBottom = 0;
    int unitsPerInch = 0;
    QString problem; // null when the file is well formed
    bool ok() const { return problem.isNull(); }
};

// Reads the header of an EMF or WMF file and walks its records, checking
// that each lies inside the file and that the file ends with its end-of-file
// record, before any library is given the bytes.
MetafileHeader readMetafileHeader(const QByteArray& bytes);
