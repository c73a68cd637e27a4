#pragma once

#include <QString>
#include <exception>

// A failure that ends the running command. The text is German and meant for the user;
// only the windows show it.
class TFehler : public std::exception
{
public:
    explicit TFehler(QString meldung) : Meldung(std::move(meldung)), utf8(Meldung.toUtf8()) {}
    const char* what() const noexcept override { return utf8.constData(); }

    QString Meldung;

private:
    QByteArray utf8;
};
