#include "planning/UCodepage.h"

#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F; the unassigned ones stand for themselves.
constexpr std::array<char16_t, 32> obereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char Cp1252Byte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < obereSteuerzeichen.size(); ++i)
        if (obereSteuerzeichen[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

QChar Cp1252Zeichen(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return QChar(obereSteuerzeichen[b - 0x80]);
    return QChar(static_cast<char16_t>(b));
}

bool Cp1252Darstellbar(const QString& text)
{
    for (const QChar c : text)
        if (c != u'?' && Cp1252Byte(c) == '?')
            return false;
    return true;
}

QByteArray Cp1252Kodieren(const QString& text)
{
    QByteArray bytes;
    bytes.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = Cp1252Byte(text[i]);
    return bytes;
}

QString Cp1252Dekodieren(const char* bytes, qsizetype laenge)
{
    QString text;
    text.resize(laenge);
    for (qsizetype i = 0; i < laenge; ++i)
        text[i] = Cp1252Zeichen(static_cast<unsigned char>(bytes[i]));
    return text;
}

QString Cp1252Dekodieren(const QByteArray& bytes)
{
    return Cp1252Dekodieren(bytes.constData(), bytes.size());
}
