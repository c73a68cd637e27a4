#include "ausgabe/UUebersicht.h"

#include "ausgabe/UKonferenzliste.h"
#include "ausgabe/UPdfSeiten.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

constexpr int RaeumeJeBlatt = 8;
const QSizeF Blatt(2970, 2100);
const QRectF Rahmen(150, 150, 2670, 1800); // within the margins

struct TZeitraum
{
    int Von = 14 * 60;
    int Bis = 18 * 60;
};

// From the full hour before the first conference to the full hour after the last.
TZeitraum zeitraum(const TPlanTag& tag)
{
    int von = 24 * 60;
    int bis = 0;
    for (const TZeitfenster& fenster : tag.Zeitfenster)
        for (const TTermin& termin : fenster.Konferenzen) {
            von = std::min(von, termin.Beginn);
            bis = std::max(bis, termin.Ende);
        }
    if (von >= bis)
        return {};
    return {von / 60 * 60, (bis + 59) / 60 * 60};
}

void zeitachse(QPainter& maler, const QRectF& feld, const TZeitraum& zeit, double jeMinute)
{
    maler.setFont(AusgabeSchrift(9));
    for (int minute = zeit.Von; minute <= zeit.Bis; minute += 30) {
        const double y = feld.top() + (minute - zeit.Von) * jeMinute;
        const bool voll = minute % 60 == 0;
        maler.setPen(QPen(voll ? QColor(150, 150, 150) : QColor(210, 210, 210), voll ? 3 : 2));
        maler.drawLine(QPointF(feld.left() - 20, y), QPointF(feld.right(), y));
        maler.setPen(Qt::black);
        maler.drawText(QRectF(Rahmen.left(), y - 50, feld.left() - Rahmen.left() - 30, 100),
                       Qt::AlignRight | Qt::AlignVCenter, UhrzeitText(minute));
    }
}

void kasten(QPainter& maler, const QRectF& flaeche, const TTermin& termin)
{
    maler.setPen(QPen(QColor(40, 70, 120), 4));
    maler.setBrush(QColor(220, 232, 247));
    maler.drawRect(flaeche);
    const QRectF innen = flaeche.adjusted(20, 8, -20, -8);
    // The class as large as the box allows, the chair below it when there is room.
    const double punkte = std::clamp(innen.height() / ZehntelMmJePunkt * 0.45, 6.0, 16.0);
    maler.setPen(Qt::black);
    maler.setFont(AusgabeSchrift(punkte, true));
    const double klassenhoehe = maler.fontMetrics().height();
    maler.drawText(QRectF(innen.left(), innen.top(), innen.width(), klassenhoehe), Qt::AlignLeft | Qt::AlignVCenter,
                   termin.Klasse->Bezeichnung + QStringLiteral("  ") + Zeitspanne(termin.Beginn, termin.Ende));
    maler.setFont(AusgabeSchrift(std::max(6.0, punkte * 0.7)));
    const QRectF rest(innen.left(), innen.top() + klassenhoehe, innen.width(), innen.height() - klassenhoehe);
    if (rest.height() >= maler.fontMetrics().height()) {
        const QString vorsitz = QStringLiteral("Vorsitz: ") + VorsitzText(*termin.Klasse);
        maler.drawText(rest, Qt::AlignLeft | Qt::AlignTop,
                       maler.fontMetrics().elidedText(vorsitz, Qt::ElideRight, qRound(rest.width())));
    }
}

} // namespace

QList<TUebersichtBlatt> UebersichtBlaetter(const TZeitplan& zeitplan)
{
    const int raeume = static_cast<int>(RaeumeNachSpalte(zeitplan).size());
    QList<TUebersichtBlatt> blaetter;
    for (int tag = 0; tag < zeitplan.Tage.size(); ++tag)
        for (int erste = 0; erste < std::max(raeume, 1); erste += RaeumeJeBlatt)
            blaetter << TUebersichtBlatt{tag, erste, std::min(RaeumeJeBlatt, std::max(raeume, 1) - erste)};
    if (blaetter.isEmpty())
        blaetter << TUebersichtBlatt{};
    return blaetter;
}

void UebersichtZeichnen(QPainter& maler, const TZeitplan& zeitplan, const TUebersichtBlatt& blatt)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.fillRect(QRectF(QPointF(0, 0), Blatt), Qt::white);
    maler.setPen(Qt::black);
    maler.setFont(AusgabeSchrift(18, true));
    if (blatt.Tag >= zeitplan.Tage.size()) {
        maler.drawText(Rahmen, Qt::AlignCenter, QStringLiteral("Kein Konferenzplan"));
        maler.restore();
        return;
    }
    const TPlanTag& tag = zeitplan.Tage.at(blatt.Tag);
    maler.drawText(QRectF(Rahmen.left(), Rahmen.top(), Rahmen.width(), 110), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Zeugniskonferenzen am ") + TagText(tag.Datum));

    const QStringList raeume = RaeumeNachSpalte(zeitplan);
    const TZeitraum zeit = zeitraum(tag);
    const QRectF feld(Rahmen.left() + 180, Rahmen.top() + 230, Rahmen.width() - 180, Rahmen.height() - 230);
    const double jeMinute = feld.height() / (zeit.Bis - zeit.Von);
    const double breite = feld.width() / std::max(blatt.Spalten, 1);
    zeitachse(maler, feld, zeit, jeMinute);

    maler.setFont(AusgabeSchrift(12, true));
    for (int i = 0; i < blatt.Spalten && blatt.ErsteSpalte + i < raeume.size(); ++i)
        maler.drawText(QRectF(feld.left() + i * breite, feld.top() - 110, breite, 100), Qt::AlignCenter,
                       raeume.at(blatt.ErsteSpalte + i));
    for (const TZeitfenster& fenster : tag.Zeitfenster)
        for (const TTermin& termin : fenster.Konferenzen) {
            const int spalte = termin.Spalte - blatt.ErsteSpalte;
            if (termin.Klasse == nullptr || spalte < 0 || spalte >= blatt.Spalten)
                continue;
            const QRectF flaeche(feld.left() + spalte * breite + 10, feld.top() + (termin.Beginn - zeit.Von) * jeMinute,
                                 breite - 20, (termin.Ende - termin.Beginn) * jeMinute);
            kasten(maler, flaeche, termin);
        }
    maler.restore();
}

void AufBlattSkalieren(QPainter& maler, const QRectF& ziel)
{
    const double skala = std::min(ziel.width() / Blatt.width(), ziel.height() / Blatt.height());
    maler.translate(ziel.center() - QPointF(Blatt.width() * skala / 2, Blatt.height() * skala / 2));
    maler.scale(skala, skala);
}

QByteArray UebersichtPdf(const QList<TUebersichtBlatt>& blaetter, const TZeitplan& zeitplan)
{
    TPdfSeiten seiten(QStringLiteral("Übersicht der Zeugniskonferenzen"), QPageLayout::Landscape);
    for (qsizetype i = 0; i < blaetter.size(); ++i) {
        if (i > 0)
            seiten.NeueSeite();
        UebersichtZeichnen(seiten.Maler(), zeitplan, blaetter.at(i));
    }
    return seiten.Fertig();
}

QImage UebersichtBild(const TZeitplan& zeitplan, const TUebersichtBlatt& blatt, int breite)
{
    QImage bild(breite, qRound(breite * Blatt.height() / Blatt.width()), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    AufBlattSkalieren(maler, bild.rect());
    UebersichtZeichnen(maler, zeitplan, blatt);
    return bild;
}

QByteArray UebersichtSvg(const TZeitplan& zeitplan, const TUebersichtBlatt& blatt)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setTitle(QStringLiteral("Übersicht der Zeugniskonferenzen"));
    svg.setSize(QSize(2970, 2100));
    svg.setViewBox(QRectF(QPointF(0, 0), Blatt));
    svg.setResolution(254); // one unit a tenth of a millimetre
    QPainter maler(&svg);
    UebersichtZeichnen(maler, zeitplan, blatt);
    maler.end();
    return bytes;
}
