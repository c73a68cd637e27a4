#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable Qt texts in the messages of failed expectations.
inline void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texte, std::ostream* aus)
{
    *aus << '{';
    for (qsizetype i = 0; i < texte.size(); ++i) {
        *aus << (i ? ", " : "");
        PrintTo(texte[i], aus);
    }
    *aus << '}';
}
