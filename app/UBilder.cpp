#include "app/UBilder.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSvgRenderer>

#include <array>
#include <initializer_list>

// The drawings live in the resource file of the windows library; a static library only
// keeps them when something refers to them.
static void BildRessourcenEinbinden()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

constexpr std::array<const char*, BildAnzahl> bildnamen = {
    "00-neu", "01-oeffnen", "02-speichern", "03-drucken",
    "04-ordner-offen", "05-ordner-zu", "06-ordner-zu-markiert", "07-ordner-offen-markiert",
    "08-lehrkraft", "09-lehrkraft-markiert", "10-klassenleitung", "11-klassenleitung-markiert",
    "12-vorsitz-klasse", "13-vorsitz-klasse-markiert", "14-klassenleitung-zeigen",
    "15-datum-zeigen", "16-auswerten", "17-texte", "18-beenden", "19-import",
    "20-vorsitz-zeigen",
};

QString Ressource(const char* name)
{
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}

// The drawings are made on a 16-pixel grid; each size is drawn on its own, so that no
// size is a blurred copy of another. Drawing does not depend on the SVG icon plugin.
// Selected nodes show images of their own (a blue folder), so the selected mode shows the
// drawing unchanged instead of tinting it with the selection colour.
QIcon Gezeichnet(const QString& datei, std::initializer_list<int> kanten)
{
    QSvgRenderer zeichner(datei);
    if (!zeichner.isValid())
        return QIcon();
    QIcon symbol;
    for (int kante : kanten) {
        QImage bild(kante, kante, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        zeichner.render(&maler);
        maler.end();
        const QPixmap gezeichnet = QPixmap::fromImage(bild);
        symbol.addPixmap(gezeichnet, QIcon::Normal);
        symbol.addPixmap(gezeichnet, QIcon::Selected);
    }
    return symbol;
}

// Pixmaps must not outlive the application object, so the drawn images belong to it.
class TBildspeicher : public QObject
{
public:
    explicit TBildspeicher(QObject* eltern) : QObject(eltern)
    {
        BildRessourcenEinbinden();
        for (int i = 0; i < BildAnzahl; ++i)
            bilder[i] = Gezeichnet(Ressource(bildnamen[i]), {16, 24, 32, 48, 64});
        programm = Gezeichnet(Ressource("simultano"), {16, 24, 32, 48, 64, 128, 256});
    }

    std::array<QIcon, BildAnzahl> bilder;
    QIcon programm;
};

TBildspeicher* Speicher()
{
    static QPointer<TBildspeicher> speicher;
    if (!speicher && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        speicher = new TBildspeicher(QCoreApplication::instance());
    return speicher;
}

} // namespace

QIcon Bild(int index)
{
    TBildspeicher* speicher = Speicher();
    if (!speicher || index < 0 || index >= BildAnzahl)
        return QIcon();
    return speicher->bilder[index];
}

QIcon ProgrammIcon()
{
    TBildspeicher* speicher = Speicher();
    return speicher ? speicher->programm : QIcon();
}
