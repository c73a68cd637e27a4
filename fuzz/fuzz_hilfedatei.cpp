// Feeds arbitrary bytes to the help-file reader as the help window uses it: the structure
// check, opening with chmlib, the context map, the contents and the index, and every stored
// file as a page. Besides the sanitizers it checks that a refused file comes with a message
// and that every context of an opened file names a stored file.
// Seed: the compiled Simulta.chm (build target hilfedatei); only a compressed file reaches
// the decompressor.
#include "app/UChmDatei.h"
#include "app/UChmPruefung.h"
#include "app/USitemap.h"
#include "fuzz/Pruefen.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <cstdint>

#include <unistd.h>

namespace {

// chmlib opens files by name: every run writes its bytes to the same file of this process,
// which is removed when the process ends.
const QString& hilfepfad()
{
    static const struct TDatei
    {
        QString pfad = QDir::temp().filePath(QStringLiteral("fuzz_hilfedatei_%1.chm").arg(qint64(getpid())));
        ~TDatei() { QFile::remove(pfad); }
    } datei;
    return datei.pfad;
}

void seitenLesen(const TChmDatei& chm, const std::vector<TSitemapEintrag>& eintraege)
{
    for (const TSitemapEintrag& eintrag : eintraege) {
        HilfetextDekodieren(chm.Lesen(eintrag.Seite.section(QLatin1Char('#'), 0, 0)));
        seitenLesen(chm, eintrag.Unterpunkte);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::ReadOnly);
    const bool gueltig = ChmAufbauGueltig(puffer);

    QFile datei(hilfepfad());
    pruefen(datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(bytes) == bytes.size());
    datei.close();
    QString fehler;
    const std::unique_ptr<TChmDatei> chm = TChmDatei::Oeffnen(hilfepfad(), &fehler);
    if (!chm) {
        pruefen(!fehler.isEmpty());
        return 0;
    }
    pruefen(gueltig && fehler.isEmpty());
    for (auto it = chm->Kontexte().cbegin(); it != chm->Kontexte().cend(); ++it)
        pruefen(chm->Enthaelt(it.value()));
    for (const QString& sitemap : {chm->System().Inhaltsdatei, chm->System().Indexdatei})
        seitenLesen(*chm, SitemapLesen(HilfetextDekodieren(chm->Lesen(sitemap))));
    for (const QString& gespeichert : chm->Dateien())
        HilfetextDekodieren(chm->Lesen(gespeichert));
    return 0;
}
