#pragma once

#include <QByteArray>
#include <QString>

enum class TSchreibfehler
{
    Keiner,
    NichtErstellt, // the file could not be created
    Abgebrochen,   // writing or flushing failed; the previous file is untouched
};

// Writes the bytes to a temporary file beside the target and renames it over the target
// only after every byte was written and flushed, so a full disk or a crash always leaves
// the previous file. grund receives the system's reason on failure.
TSchreibfehler DateiSicherSchreiben(const QString& dateiname, const QByteArray& bytes, QString* grund = nullptr);
