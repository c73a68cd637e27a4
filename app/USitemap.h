#pragma once

#include <QString>

#include <vector>

// One entry of a help file's contents (.hhc) or index (.hhk): its name, the page it opens
// (a path inside the help file, maybe with a #fragment; empty for a mere heading) and
// the entries nested below it.
struct TSitemapEintrag
{
    QString Name;
    QString Seite;
    std::vector<TSitemapEintrag> Unterpunkte;
};

// Reads the sitemap form of HTML Help: nested <UL> lists whose <LI> items carry an
// <OBJECT type="text/sitemap"> with <param name="Name"> and <param name="Local">.
// The first Name and the first Local of an object count (an index entry may name its
// topic again). Entities in the values are resolved. Unbalanced lists are tolerated.
std::vector<TSitemapEintrag> SitemapLesen(const QString& html);

// Decodes the bytes of a help page or sitemap: the charset the page declares, a byte order
// mark, or else Windows-1252, the code page of German help files.
QString HilfetextDekodieren(const QByteArray& bytes);
