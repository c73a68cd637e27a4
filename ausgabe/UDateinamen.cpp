#include "ausgabe/UDateinamen.h"

#include <QSet>

namespace {

QString zeichenErsetzen(const QString& kuerzel)
{
    QString name;
    for (const QChar z : kuerzel) {
        switch (z.unicode()) {
        case u'ä': name += QStringLiteral("ae"); continue;
        case u'ö': name += QStringLiteral("oe"); continue;
        case u'ü': name += QStringLiteral("ue"); continue;
        case u'Ä': name += QStringLiteral("Ae"); continue;
        case u'Ö': name += QStringLiteral("Oe"); continue;
        case u'Ü': name += QStringLiteral("Ue"); continue;
        case u'ß': name += QStringLiteral("ss"); continue;
        default: break;
        }
        const bool erlaubt = (z >= u'a' && z <= u'z') || (z >= u'A' && z <= u'Z') || (z >= u'0' && z <= u'9') ||
                             z == u'-' || z == u'_';
        name += erlaubt ? z : QChar(u'_');
    }
    return name.left(40);
}

bool reserviert(const QString& name)
{
    static const QSet<QString> namen = {QStringLiteral("con"), QStringLiteral("prn"), QStringLiteral("aux"),
                                        QStringLiteral("nul")};
    const QString klein = name.toLower();
    if (namen.contains(klein))
        return true;
    return klein.size() == 4 && (klein.startsWith(QStringLiteral("com")) || klein.startsWith(QStringLiteral("lpt"))) &&
           klein.at(3).isDigit();
}

} // namespace

QStringList SichereDateinamen(const QStringList& kuerzel, const QStringList& belegt)
{
    QSet<QString> vergeben;
    for (const QString& name : belegt)
        vergeben.insert(name.toLower());
    QStringList namen;
    for (const QString& k : kuerzel) {
        QString grund = zeichenErsetzen(k);
        if (grund.isEmpty() || reserviert(grund))
            grund += u'_';
        QString name = grund;
        for (int n = 2; vergeben.contains(name.toLower()); ++n)
            name = grund + QStringLiteral("_%1").arg(n);
        vergeben.insert(name.toLower());
        namen << name;
    }
    return namen;
}
