#include "distribution/UErgebnisDruck.h"

#include <QDateTime>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// To the nearest integer, halves to even.
int runden(double wert)
{
    return static_cast<int>(std::lrint(wert));
}

QString zeittrenner()
{
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    const qsizetype stunde = format.indexOf(QRegularExpression(QStringLiteral("[hH]")));
    if (stunde >= 0)
        for (qsizetype i = stunde; i < format.size(); ++i)
            if (!format[i].isLetter() && format[i] != u'\'')
                return format[i];
    return QStringLiteral(":");
}

void text(QPainter& maler, int x, int y, const QString& inhalt, Qt::Alignment ausrichtung)
{
    maler.drawText(QRectF(x, y, 0, 0), int(ausrichtung | Qt::AlignTop) | Qt::TextDontClip | Qt::TextSingleLine, inhalt);
}

} // namespace

QString DruckUeberschrift(const QDateTime& zeitpunkt)
{
    const QString trenner = zeittrenner();
    const QString zeit = zeitpunkt.toString(QStringLiteral("hh")) + trenner + zeitpunkt.toString(QStringLiteral("mm")) +
                         trenner + zeitpunkt.toString(QStringLiteral("ss"));
    return QStringLiteral("Konferenzen, die gleichzeitig stattfinden können (Auswertung: %1, %2)")
        .arg(zeitpunkt.toString(QStringLiteral("dd.MM.yy")), zeit);
}

void ErgebnisZeichnen(QPainter& maler, const TErgebnisTabelle& tabelle, const QDateTime& zeitpunkt, bool mitKopf)
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSize(11);
    maler.setFont(schrift);
    const QFontMetrics metrik = maler.fontMetrics();
    // a cell is as wide as seven letters, wider when a designation needs it
    double W = metrik.horizontalAdvance(QStringLiteral("WWWyWWW"));
    for (qsizetype r = 1; r < tabelle.size(); ++r)
        for (qsizetype c = 1; c < tabelle[r].size(); ++c)
            W = std::max(W, double(metrik.horizontalAdvance(tabelle[r][c]) + metrik.averageCharWidth()));
    const double H = metrik.height();
    const double T = 3 * H;
    const int R = static_cast<int>(tabelle.size());
    const int C = R > 0 ? static_cast<int>(tabelle[0].size()) : 0;
    const auto zeileY = [&](double r) { return runden(T + 1.5 * H * r); };
    const QString kopf = DruckUeberschrift(zeitpunkt);

    // what does not fit on the page is scaled down rather than cut off
    const double breite = std::max(C * W, runden(0.75 * W) + double(metrik.horizontalAdvance(kopf)));
    const double hoehe = zeileY(R + 1.75) + 1;
    const double faktor = std::min({1.0, maler.device()->width() / breite, maler.device()->height() / hoehe});
    if (faktor < 1)
        maler.scale(faktor, faktor);
    maler.setPen(QPen(Qt::black, std::max(1, maler.device()->logicalDpiX() / 300)));

    text(maler, runden(0.75 * W), runden(T + H), kopf, Qt::AlignLeft);
    for (int r = 0; r < R; ++r) {
        const int y = zeileY(r + 2.75);
        maler.drawLine(runden(W), y, runden(C * W), y);
        for (int c = 1; (r >= 1 || mitKopf) && c < C; ++c)
            text(maler, runden((c + 0.5) * W), zeileY(r + 2), tabelle[r].value(c), Qt::AlignHCenter);
    }
    for (int c = 0; c < C; ++c) {
        const int x = runden(W + c * W);
        maler.drawLine(x, zeileY(2.75), x, zeileY(R + 1.75));
    }
}
