#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// Text files, project files and Rich Text are written in the Windows-1252 code page,
// so that files stay interchangeable with Windows users.

// The Windows-1252 byte of one UTF-16 code unit; '?' when the code page has none.
char Cp1252Byte(QChar c);
// The code unit of one Windows-1252 byte. The five bytes the code page leaves unassigned
// map to the control characters of the same number, as Windows does.
QChar Cp1252Zeichen(unsigned char b);

// True when every character of the text has a Windows-1252 byte.
bool Cp1252Darstellbar(const QString& text);
QByteArray Cp1252Kodieren(const QString& text);
QString Cp1252Dekodieren(const QByteArray& bytes);
QString Cp1252Dekodieren(const char* bytes, qsizetype laenge);
