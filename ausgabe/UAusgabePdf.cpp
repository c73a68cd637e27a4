#include "ausgabe/UAusgabePdf.h"

#include "ausgabe/UPdfSeiten.h"

namespace {

// Writes lines of text down a page, starting a new page when the next line does not fit.
class TZeilenschreiber
{
public:
    explicit TZeilenschreiber(TPdfSeiten& seiten) : seiten_(seiten), y_(seiten.Flaeche().top()) {}

    // One line of cells at the given left edges (tenths of a millimetre from the margin).
    void Zeile(const QStringList& zellen, const QList<double>& links, const QFont& schrift,
               const QColor& farbe = Qt::black)
    {
        QPainter& maler = seiten_.Maler();
        maler.setFont(schrift);
        const double hoehe = maler.fontMetrics().height() * 1.35;
        if (y_ + hoehe > seiten_.Flaeche().bottom()) {
            seiten_.NeueSeite();
            y_ = seiten_.Flaeche().top();
        }
        maler.setPen(farbe);
        const QRectF flaeche = seiten_.Flaeche();
        for (qsizetype i = 0; i < zellen.size(); ++i) {
            const double rechts = i + 1 < links.size() ? links.at(i + 1) : flaeche.width();
            const QRectF zelle(flaeche.left() + links.at(i), y_, rechts - links.at(i) - 20, hoehe);
            maler.drawText(zelle, Qt::AlignLeft | Qt::AlignVCenter,
                           maler.fontMetrics().elidedText(zellen.at(i), Qt::ElideRight, qRound(zelle.width())));
        }
        y_ += hoehe;
    }
    void Abstand(double zehntelMm) { y_ += zehntelMm; }
    void Linie()
    {
        const QRectF flaeche = seiten_.Flaeche();
        seiten_.Maler().setPen(QPen(Qt::gray, 3));
        seiten_.Maler().drawLine(QPointF(flaeche.left(), y_), QPointF(flaeche.right(), y_));
        y_ += 20;
    }

private:
    TPdfSeiten& seiten_;
    double y_;
};

const QList<double> PlanSpalten = {0, 330, 520, 830, 1150};

void lehrkraftSeite(TZeilenschreiber& zeilen, const TLehrkraftPlan& plan, int wechsel)
{
    zeilen.Zeile({QStringLiteral("Mein Konferenzplan")}, {0}, AusgabeSchrift(20, true));
    zeilen.Zeile({LehrkraftText(plan.Lehrer)}, {0}, AusgabeSchrift(14));
    zeilen.Abstand(40);
    const QFont normal = AusgabeSchrift(11);
    const TEinsatz* vorher = nullptr;
    for (const TEinsatz& einsatz : plan.Einsaetze) {
        if (vorher == nullptr || vorher->Datum != einsatz.Datum) {
            zeilen.Abstand(30);
            zeilen.Zeile({TagText(einsatz.Datum)}, {0}, AusgabeSchrift(13, true));
            zeilen.Zeile({QStringLiteral("Zeit"), QStringLiteral("Klasse"), QStringLiteral("Raum"),
                          QStringLiteral("Ihre Rolle"), QStringLiteral("Vorsitz")},
                         PlanSpalten, AusgabeSchrift(10, true), Qt::darkGray);
            zeilen.Linie();
        } else if (einsatz.Termin.Beginn - vorher->Termin.Ende > wechsel) {
            zeilen.Zeile({Zeitspanne(vorher->Termin.Ende, einsatz.Termin.Beginn) + QStringLiteral(" frei")}, {0},
                         AusgabeSchrift(11, false), Qt::darkGray);
        }
        const TTermin& termin = einsatz.Termin;
        zeilen.Zeile({Zeitspanne(termin.Beginn, termin.Ende), termin.Klasse->Bezeichnung, termin.Raum,
                      RollenText(einsatz.Rolle), VorsitzText(*termin.Klasse)},
                     PlanSpalten, normal);
        vorher = &einsatz;
    }
    zeilen.Abstand(60);
    zeilen.Zeile({QStringLiteral("Ihre letzte Konferenz endet um %1 Uhr.").arg(UhrzeitText(vorher->Termin.Ende))}, {0},
                 AusgabeSchrift(12, true));
}

void tuerschild(TPdfSeiten& seiten, const TRaumTag& raum)
{
    QPainter& maler = seiten.Maler();
    const QRectF flaeche = seiten.Flaeche();
    maler.setPen(Qt::black);
    maler.setFont(AusgabeSchrift(60, true));
    const QRectF kopf(flaeche.left(), flaeche.top(), flaeche.width(), 300);
    maler.drawText(kopf, Qt::AlignLeft | Qt::AlignVCenter, raum.Raum);
    maler.setFont(AusgabeSchrift(18));
    maler.drawText(QRectF(kopf.left(), kopf.bottom(), kopf.width(), 110), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Zeugniskonferenzen am ") + TagText(raum.Datum));
    const double oben = kopf.bottom() + 160;
    maler.setPen(QPen(Qt::black, 5));
    maler.drawLine(QPointF(flaeche.left(), oben - 20), QPointF(flaeche.right(), oben - 20));
    // Rows as large as fit, at most 20 points.
    const double zeile = std::min(110.0, (flaeche.bottom() - oben) / std::max<qsizetype>(1, raum.Termine.size()));
    maler.setFont(AusgabeSchrift(zeile / ZehntelMmJePunkt * 0.7));
    double y = oben;
    for (const TTermin& termin : raum.Termine) {
        const QStringList zellen = {Zeitspanne(termin.Beginn, termin.Ende), termin.Klasse->Bezeichnung,
                                    QStringLiteral("Vorsitz: ") + VorsitzText(*termin.Klasse)};
        const QList<double> links = {0, 850, 1350};
        for (qsizetype i = 0; i < zellen.size(); ++i) {
            const double rechts = i + 1 < links.size() ? links.at(i + 1) : flaeche.width();
            const QRectF zelle(flaeche.left() + links.at(i), y, rechts - links.at(i), zeile);
            maler.drawText(zelle, Qt::AlignLeft | Qt::AlignVCenter,
                           maler.fontMetrics().elidedText(zellen.at(i), Qt::ElideRight, qRound(zelle.width())));
        }
        y += zeile;
    }
}

} // namespace

QByteArray LehrkraeftePdf(const QList<TLehrkraftPlan>& plaene, int wechsel)
{
    TPdfSeiten seiten(QStringLiteral("Konferenzpläne der Lehrkräfte"), QPageLayout::Portrait);
    for (qsizetype i = 0; i < plaene.size(); ++i) {
        if (i > 0)
            seiten.NeueSeite();
        TZeilenschreiber zeilen(seiten);
        lehrkraftSeite(zeilen, plaene.at(i), wechsel);
    }
    return seiten.Fertig();
}

QByteArray TuerschilderPdf(const QList<TRaumTag>& raeume)
{
    TPdfSeiten seiten(QStringLiteral("Türschilder"), QPageLayout::Landscape);
    for (qsizetype i = 0; i < raeume.size(); ++i) {
        if (i > 0)
            seiten.NeueSeite();
        tuerschild(seiten, raeume.at(i));
    }
    return seiten.Fertig();
}
