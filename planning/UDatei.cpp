#include "planning/UDatei.h"

#include <QSaveFile>

TSchreibfehler DateiSicherSchreiben(const QString& dateiname, const QByteArray& bytes, QString* grund)
{
    QSaveFile datei(dateiname);
    const auto fehler = [&](TSchreibfehler art) {
        if (grund)
            *grund = datei.errorString();
        return art;
    };
    if (!datei.open(QIODevice::WriteOnly))
        return fehler(TSchreibfehler::NichtErstellt);
    // commit() does not notice when flushing its buffer writes only part of it, so the
    // buffer is flushed and checked first; without a commit the temporary file is discarded.
    if (datei.write(bytes) != bytes.size() || !datei.flush() || !datei.commit())
        return fehler(TSchreibfehler::Abgebrochen);
    return TSchreibfehler::Keiner;
}
