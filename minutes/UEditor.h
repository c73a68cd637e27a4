#pragma once

#include <QString>
#include <QStringList>

// The program that edits RTF templates: the one named in the settings file (key "editor"
// of section "Option", a command line to which the file is appended), else LibreOffice
// Writer, AbiWord or the desktop's program for .rtf files (xdg-open), as found on this system.
struct TEditor
{
    QString Programm;      // empty: none found
    QStringList Argumente; // the template's path follows them
    QString Name;          // for the user: "LibreOffice Writer", "AbiWord" ...
};

TEditor VorlagenEditor(const QString& einstellung);
