#include "import/UxmlImpBaum.h"

#include "planning/UCodepage.h"
#include "planning/UDatei.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// The encoding labels of the XML declaration that the import reads, in lower case.
// ISO-8859-1 and US-ASCII are read through the Windows-1252 table, as web browsers do:
// the bytes 0x80 to 0x9F are control characters in ISO-8859-1 that never stand in a name,
// and files labelled so come from Windows programs that put their typographic quotes there.
const QStringList utf8Etiketten = {QStringLiteral("utf-8"), QStringLiteral("utf8")};
const QStringList einBytEtiketten = {
    QStringLiteral("iso-8859-1"), QStringLiteral("iso8859-1"), QStringLiteral("iso_8859-1"),
    QStringLiteral("latin1"),     QStringLiteral("latin-1"),   QStringLiteral("l1"),
    QStringLiteral("iso-ir-100"), QStringLiteral("cp819"),     QStringLiteral("ibm819"),
    QStringLiteral("windows-1252"), QStringLiteral("cp1252"),  QStringLiteral("x-cp1252"),
    QStringLiteral("us-ascii"),   QStringLiteral("ascii")};

int zeileBei(const QString& text, qsizetype stelle)
{
    return static_cast<int>(QStringView(text).first(stelle).count(u'\n')) + 1;
}

// Decodes strictly; on an error the line of the first damaged character is returned.
int dekodieren(QStringConverter::Encoding kodierung, QByteArrayView bytes, QString& text)
{
    if (TextDekodieren(kodierung, bytes, text))
        return 0;
    const qsizetype stelle = text.indexOf(QChar(QChar::ReplacementCharacter));
    return zeileBei(text, stelle < 0 ? text.size() : stelle);
}

// UTF-16 without a byte-order mark, recognised by the start of the XML declaration; the
// length 0 keeps those bytes in the text.
std::optional<TBomKodierung> utf16OhneMarke(const QByteArray& bytes)
{
    if (bytes.startsWith(QByteArrayView("<\0?\0", 4)))
        return TBomKodierung{QStringConverter::Utf16LE, 0};
    if (bytes.startsWith(QByteArrayView("\0<\0?", 4)))
        return TBomKodierung{QStringConverter::Utf16BE, 0};
    return std::nullopt;
}

// The encoding named in the XML declaration at the very start of the bytes; empty without one.
QString deklarierteKodierung(const QByteArray& bytes)
{
    if (!bytes.startsWith("<?xml"))
        return QString();
    const qsizetype ende = bytes.indexOf("?>");
    if (ende < 0)
        return QString();
    static const QRegularExpression muster(QStringLiteral(R"(\sencoding\s*=\s*(["'])([^"']*)\1)"));
    const QRegularExpressionMatch treffer = muster.match(QString::fromLatin1(bytes.first(ende)));
    return treffer.hasMatch() ? treffer.captured(2) : QString();
}

QString fehlerText(const QString& dateiname, const QString& grund)
{
    return QStringLiteral("Die Datei %1 kann nicht als XML gelesen werden.\n%2").arg(Anzeigename(dateiname), grund);
}

QString leserFehler(const QXmlStreamReader& leser)
{
    QString grund;
    switch (leser.error()) {
    case QXmlStreamReader::PrematureEndOfDocumentError:
        grund = QStringLiteral("Die Datei endet, bevor das XML-Dokument vollständig ist.");
        break;
    case QXmlStreamReader::CustomError:
        grund = leser.errorString();
        break;
    default:
        grund = QStringLiteral("Das XML ist nicht wohlgeformt (%1).").arg(leser.errorString());
        break;
    }
    return QStringLiteral("Zeile %1, Spalte %2: %3").arg(leser.lineNumber()).arg(leser.columnNumber()).arg(grund);
}

// Element names repeat all through a file: one shared copy of each saves most of the tree's memory.
class TNamen
{
public:
    QString Teilen(QStringView name)
    {
        for (const QString& bekannt : namen)
            if (bekannt == name)
                return bekannt;
        QString neu = name.toString();
        if (namen.size() < 64)
            namen.push_back(neu);
        return neu;
    }

private:
    std::vector<QString> namen;
};

void elementFuellen(TXmlElement& element, const QXmlStreamReader& leser, TNamen& namen)
{
    element.Name = namen.Teilen(leser.name());
    for (const QXmlStreamAttribute& attribut : leser.attributes())
        element.Attribute.append({namen.Teilen(attribut.name()), attribut.value().toString()});
}

} // namespace

const TXmlElement* TXmlElement::Kind(QStringView name) const
{
    for (const TXmlElement& kind : Kinder)
        if (kind.Name == name)
            return &kind;
    return nullptr;
}

QString TXmlElement::Attribut(QStringView name) const
{
    for (const auto& [schluessel, wert] : Attribute)
        if (schluessel == name)
            return wert;
    return QString();
}

QString TXmlElement::KindText(QStringView name) const
{
    const TXmlElement* kind = Kind(name);
    return kind ? kind->Text : QString();
}

bool XmlTextDekodieren(const QByteArray& bytes, QString& text, QString& grund)
{
    std::optional<TBomKodierung> art = BomKodierung(bytes);
    if (!art)
        art = utf16OhneMarke(bytes);
    if (art) {
        if (const int zeile = dekodieren(art->Kodierung, QByteArrayView(bytes).sliced(art->Laenge), text)) {
            grund = QStringLiteral("Zeile %1 enthält Bytes, die in der Zeichenkodierung der Datei nicht vorkommen.").arg(zeile);
            return false;
        }
        return true;
    }

    const QString deklariert = deklarierteKodierung(bytes);
    const QString etikett = deklariert.trimmed().toLower();
    if (etikett.isEmpty()) {
        // Without a declaration XML is UTF-8; a file that is not falls back to the code page
        // of the program's other text files.
        if (dekodieren(QStringConverter::Utf8, bytes, text))
            text = Cp1252Dekodieren(bytes);
        return true;
    }
    if (utf8Etiketten.contains(etikett)) {
        if (const int zeile = dekodieren(QStringConverter::Utf8, bytes, text)) {
            grund = QStringLiteral("Die Datei gibt UTF-8 als Zeichenkodierung an, aber Zeile %1 ist nicht UTF-8-kodiert.").arg(zeile);
            return false;
        }
        return true;
    }
    if (einBytEtiketten.contains(etikett)) {
        text = Cp1252Dekodieren(bytes);
        return true;
    }
    grund = QStringLiteral("Die Zeichenkodierung \"%1\" wird nicht unterstützt; lesbar sind UTF-8, ISO-8859-1 und Windows-1252.")
                .arg(deklariert);
    return false;
}

TXmlAuswahl XmlKnoten(QStringView name, std::vector<TXmlAuswahl> kinder)
{
    return TXmlAuswahl{name.toString(), std::move(kinder)};
}

namespace {

const TXmlAuswahl* kindAuswahl(const TXmlAuswahl& auswahl, QStringView name)
{
    for (const TXmlAuswahl& kind : auswahl.Kinder)
        if (kind.Name == name || kind.Name == u"*")
            return &kind;
    return nullptr;
}

bool mitId(const TXmlElement& element)
{
    return std::any_of(element.Attribute.begin(), element.Attribute.end(),
                       [](const auto& attribut) { return attribut.first == u"id"; });
}

// The kept elements from the document element down to the innermost open one, and the
// elements not kept inside it.
class TAufbau
{
public:
    TAufbau(TXmlElement& wurzel, const TXmlAuswahl& auswahl) : wurzel(wurzel), auswahl(auswahl) {}

    void Anfang(const QXmlStreamReader& leser, TNamen& namen)
    {
        if (verborgen > 0) {
            ++verborgen;
            return;
        }
        if (offen.empty()) {
            elementFuellen(wurzel, leser, namen);
            offen.push_back({&wurzel, &auswahl});
            return;
        }
        const TOffen& eltern = offen.back();
        eltern.Element->HatInhalt = true;
        const TXmlAuswahl* art = kindAuswahl(*eltern.Auswahl, leser.name());
        if (!art) {
            verborgen = 1;
            // below a field, deeper markup is part of the field's text
            textBehalten = eltern.Auswahl->Kinder.empty();
            return;
        }
        // each element lives in its parent's child list, which grows only once it is closed
        TXmlElement& kind = eltern.Element->Kinder.emplace_back();
        elementFuellen(kind, leser, namen);
        offen.push_back({&kind, art});
    }

    void Ende()
    {
        if (verborgen > 0) {
            --verborgen;
            return;
        }
        const TOffen zu = offen.back();
        offen.pop_back();
        if (!offen.empty() && zu.Auswahl->Name == u"*" && zu.Element->Kinder.empty() && !mitId(*zu.Element))
            offen.back().Element->Kinder.pop_back();
    }

    void Text(const QXmlStreamReader& leser)
    {
        if (offen.empty() || (verborgen > 0 && !textBehalten))
            return;
        offen.back().Element->Text += leser.text();
        if (!leser.isWhitespace())
            offen.back().Element->HatInhalt = true;
    }

private:
    struct TOffen
    {
        TXmlElement* Element;
        const TXmlAuswahl* Auswahl;
    };
    TXmlElement& wurzel;
    const TXmlAuswahl& auswahl;
    std::vector<TOffen> offen;
    int verborgen = 0;        // depth inside an element that is not kept
    bool textBehalten = false; // its text counts for the innermost kept element
};

} // namespace

TXmlDokument XmlLesen(const QByteArray& bytes, const QString& dateiname, const TXmlAuswahl& auswahl)
{
    TXmlDokument dokument;
    QString text;
    QString grund;
    if (!XmlTextDekodieren(bytes, text, grund)) {
        dokument.Fehler = fehlerText(dateiname, grund);
        return dokument;
    }
    if (text.trimmed().isEmpty()) {
        dokument.Fehler = fehlerText(dateiname, QStringLiteral("Die Datei ist leer."));
        return dokument;
    }
    QXmlStreamReader leser(text);
    text = QString(); // the reader keeps its own copy
    TNamen namen;
    auto wurzel = std::make_unique<TXmlElement>();
    TAufbau aufbau(*wurzel, auswahl);
    while (!leser.atEnd()) {
        switch (leser.readNext()) {
        case QXmlStreamReader::DTD:
            leser.raiseError(QStringLiteral("Die Datei enthält eine Dokumenttyp-Deklaration (DTD). "
                                            "Solche Dateien werden zum Schutz vor eingeschleusten Inhalten nicht gelesen."));
            break;
        case QXmlStreamReader::EntityReference:
            leser.raiseError(QStringLiteral("Die Datei verweist auf die unbekannte Entität \"&%1;\".").arg(leser.name()));
            break;
        case QXmlStreamReader::StartElement:
            aufbau.Anfang(leser, namen);
            break;
        case QXmlStreamReader::EndElement:
            aufbau.Ende();
            break;
        case QXmlStreamReader::Characters:
            aufbau.Text(leser);
            break;
        default:
            break;
        }
    }
    if (leser.hasError()) {
        dokument.Fehler = fehlerText(dateiname, leserFehler(leser));
        return dokument;
    }
    dokument.Wurzel = std::move(wurzel);
    return dokument;
}
