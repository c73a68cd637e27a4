#pragma once

#include <QByteArray>

class QIODevice;

// Numbers of the CHM format, little-endian, at a position the caller has checked.
quint16 ChmZahl16(const QByteArray& daten, qsizetype stelle);
quint32 ChmZahl32(const QByteArray& daten, qsizetype stelle);
quint64 ChmZahl64(const QByteArray& daten, qsizetype stelle);

// Checks the structure of a compiled help file before chmlib is let at it. chmlib trusts
// the headers and the directory of the file: a damaged file makes it divide by zero, loop
// forever or decompress with an impossible window. Checked are the file header, the
// directory header, every directory chunk (names and numbers inside the chunk, links
// between chunks only forward or down, no cycles, no empty names), the parameters of the
// compressed section and its reset table (every block, the last one too, fits the buffer
// chmlib reads it into; every stored file lies within the blocks). True when chmlib can open
// and read the file safely as far as these go.
bool ChmAufbauGueltig(QIODevice& datei);
