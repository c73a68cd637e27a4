#pragma once

#include <QString>
#include <QStringList>

class TIniDatei;

// "Zuletzt geöffnet": the project files opened or saved last, newest first, kept in section
// "Zuletzt" of the settings file as Datei1 .. Datei8.
constexpr int ZuletztHoechstens = 8;

QStringList ZuletztLesen(const TIniDatei& ini);
// Writes the list (at most ZuletztHoechstens); the keys beyond it are emptied. Throws as
// the settings file's writes do.
void ZuletztSchreiben(TIniDatei& ini, const QStringList& dateien);
// The list with the file in front, once, cut to ZuletztHoechstens.
QStringList ZuletztVorne(QStringList dateien, const QString& datei);
