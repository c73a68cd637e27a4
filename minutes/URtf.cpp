#include "minutes/URtf.h"

#include "minutes/URtfWoerter.h"
#include "planning/UCodepage.h"
#include "planning/UDatei.h"

#include <QStringDecoder>

#include <algorithm>
#include <vector>

namespace {

constexpr QChar Zeilenumbruch(0x2028);
constexpr int LaengsteZahl = 1 << 30;

enum class TZiel { Text, Schriften, Farben, Ueberspringen };

// What a group keeps and restores: character and paragraph format, destination, \uc.
struct TZustand
{
    TRtfZeichen Zeichen;
    TRtfAbsatzformat Absatz;
    TZiel Ziel = TZiel::Text;
    int Uc = 1;
    bool Verborgen = false;
    TRtfTabArt TabArt = TRtfTabArt::Links;
};

class TLeser
{
public:
    explicit TLeser(QByteArrayView rtf) : bytes(rtf.first(std::min(rtf.size(), RtfHoechsteGroesse))) {}

    TRtfDokument Lesen()
    {
        while (pos < bytes.size() && !fertig) {
            const char c = bytes[pos];
            if (tiefeUeber > 0)
                ueberTiefeLesen(c);
            else if (c == '{')
                gruppeOeffnen();
            else if (c == '}')
                gruppeSchliessen();
            else if (c == '\\')
                steuerung();
            else
                textbyte(c);
        }
        ausgeben();
        if (!absatz.Laeufe.isEmpty())
            absatzBeenden();
        return std::move(dok);
    }

private:
    // ---- groups

    void gruppeOeffnen()
    {
        ++pos;
        ausgeben();
        ueberspringen = 0;
        if (static_cast<int>(stapel.size()) >= RtfHoechsteTiefe) {
            tiefeUeber = 1;
            return;
        }
        stapel.push_back(z);
        gruppenAnfang = true;
        stern = false;
    }

    void gruppeSchliessen()
    {
        ++pos;
        ausgeben();
        ueberspringen = 0;
        if (z.Ziel == TZiel::Schriften)
            schriftBeenden();
        if (stapel.empty())
            return;
        if (stapel.size() == 1) {
            // the document's closing brace: what follows it is no part of it
            if (!absatz.Laeufe.isEmpty())
                absatzBeenden();
            fertig = true;
        }
        z = stapel.back();
        stapel.pop_back();
        gruppenAnfang = false;
    }

    // Inside a group nested too deep only the braces are counted.
    void ueberTiefeLesen(char c)
    {
        ++pos;
        if (c == '{')
            ++tiefeUeber;
        else if (c == '}')
            --tiefeUeber;
        else if (c == '\\' && pos < bytes.size()) {
            if (isalpha(bytes[pos])) {
                --pos;
                steuerwortLesen(); // \bin must skip its bytes here as well
            } else {
                ++pos;
            }
        }
    }

    // ---- text

    void textbyte(char c)
    {
        ++pos;
        if (c == '\r' || c == '\n')
            return;
        if (ueberspringen > 0) {
            --ueberspringen;
            return;
        }
        if (c == '\t') {
            ausgeben();
            zeichen(u'\t');
            return;
        }
        ausstehend.append(c);
    }

    // Decodes the waiting bytes in the code page of the current font.
    void ausgeben()
    {
        if (ausstehend.isEmpty())
            return;
        const QString text = dekodieren(ausstehend);
        ausstehend.clear();
        for (const QChar c : text)
            zeichen(c);
    }

    QString dekodieren(const QByteArray& b)
    {
        int codepage = ansicpg;
        if (z.Ziel == TZiel::Text)
            if (const TRtfSchrift* s = dok.Schrift(z.Zeichen.Schrift))
                if (const int cp = CodepageDesZeichensatzes(s->Zeichensatz))
                    codepage = cp;
        const char* name = CodepageName(codepage);
        if (!name)
            return Cp1252Dekodieren(b);
        auto it = dekodierer.find(codepage);
        if (it == dekodierer.end())
            it = dekodierer.emplace(codepage, QStringDecoder(name, QStringConverter::Flag::Stateless)).first;
        return it->second.isValid() ? it->second.decode(b) : Cp1252Dekodieren(b);
    }

    void zeichen(QChar c)
    {
        switch (z.Ziel) {
        case TZiel::Text:
            if (!z.Verborgen && (c.unicode() >= 32 || c == u'\t'))
                textAnhaengen(c);
            break;
        case TZiel::Schriften:
            if (c == u';')
                schriftBeenden();
            else if (c.unicode() >= 32 && neueSchrift.Name.size() < 256)
                neueSchrift.Name += c;
            break;
        case TZiel::Farben:
            if (c == u';') {
                dok.Farben.append(rot < 0 && gruen < 0 && blau < 0 ? -1
                                                                    : (std::max(rot, 0) << 16) | (std::max(gruen, 0) << 8) |
                                                                          std::max(blau, 0));
                rot = gruen = blau = -1;
            }
            break;
        case TZiel::Ueberspringen:
            break;
        }
    }

    void textAnhaengen(QChar c)
    {
        if (absatz.Laeufe.isEmpty() || !(absatz.Laeufe.last().Format == z.Zeichen))
            absatz.Laeufe.append({QString(), z.Zeichen});
        absatz.Laeufe.last().Text += c;
    }

    void absatzBeenden()
    {
        absatz.Format = z.Absatz;
        absatz.Marke = z.Zeichen;
        dok.Absaetze.append(std::move(absatz));
        absatz = TRtfAbsatz();
    }

    void schriftBeenden()
    {
        if (schriftNummer >= 0 && !neueSchrift.Name.trimmed().isEmpty()) {
            neueSchrift.Name = neueSchrift.Name.trimmed();
            dok.Schriften[schriftNummer] = neueSchrift;
        }
        neueSchrift.Name.clear();
    }

    // ---- control words and symbols

    void steuerung()
    {
        if (pos + 1 >= bytes.size()) {
            ++pos;
            return;
        }
        const char c = bytes[pos + 1];
        if (isalpha(c)) {
            steuerwortLesen();
            return;
        }
        pos += 2;
        if (c == '\'') {
            hexLesen();
            return;
        }
        if (ueberspringen > 0) {
            --ueberspringen;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            ausstehend.append(c);
            return;
        case '*':
            stern = gruppenAnfang;
            return;
        }
        ausgeben();
        gruppenAnfang = false;
        switch (c) {
        case '~': zeichen(QChar(0x00A0)); break;
        case '-': zeichen(QChar(0x00AD)); break;
        case '_': zeichen(QChar(0x2011)); break;
        case '\r':
        case '\n':
            if (z.Ziel == TZiel::Text)
                absatzBeenden();
            break;
        default: break;
        }
    }

    void hexLesen()
    {
        const auto ziffer = [](char h) {
            return h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10 : h >= 'A' && h <= 'F' ? h - 'A' + 10 : -1;
        };
        if (pos + 1 >= bytes.size())
            return;
        const int hoch = ziffer(bytes[pos]);
        const int tief = ziffer(bytes[pos + 1]);
        if (hoch < 0 || tief < 0)
            return;
        pos += 2;
        if (ueberspringen > 0) {
            --ueberspringen;
            return;
        }
        ausstehend.append(static_cast<char>(hoch * 16 + tief));
    }

    void steuerwortLesen()
    {
        ++pos; // the backslash
        QByteArray name;
        while (pos < bytes.size() && isalpha(bytes[pos])) {
            if (name.size() < 32)
                name.append(bytes[pos]);
            ++pos;
        }
        bool mitZahl = false;
        qint64 zahl = 0;
        bool negativ = false;
        if (pos + 1 < bytes.size() && bytes[pos] == '-' && isdigit(bytes[pos + 1])) {
            negativ = true;
            ++pos;
        }
        while (pos < bytes.size() && isdigit(bytes[pos])) {
            mitZahl = true;
            zahl = std::min<qint64>(zahl * 10 + (bytes[pos] - '0'), LaengsteZahl);
            ++pos;
        }
        if (pos < bytes.size() && bytes[pos] == ' ')
            ++pos;
        const int wert = static_cast<int>(negativ ? -zahl : zahl);
        if (name == "bin") {
            // raw bytes follow: skipped wherever they stand
            if (mitZahl && wert > 0)
                pos += std::min<qsizetype>(wert, bytes.size() - pos);
            return;
        }
        if (tiefeUeber > 0)
            return;
        ausgeben();
        if (ueberspringen > 0) {
            --ueberspringen;
            return;
        }
        const bool warStern = stern;
        const bool warAnfang = gruppenAnfang;
        stern = false;
        gruppenAnfang = false;
        const auto it = RtfWoerter().constFind(name);
        if (it == RtfWoerter().constEnd()) {
            // an unknown destination marked ignorable goes with its group
            if (warStern && warAnfang)
                z.Ziel = TZiel::Ueberspringen;
            return;
        }
        if (z.Ziel == TZiel::Ueberspringen)
            return;
        ausfuehren(it->Wort, it->Wert, mitZahl, wert);
    }

    void ausfuehren(TRtfWort wort, int art, bool mitZahl, int wert)
    {
        const bool an = !mitZahl || wert != 0;
        TRtfZeichen& f = z.Zeichen;
        TRtfAbsatzformat& a = z.Absatz;
        switch (wort) {
        case TRtfWort::Schrifttabelle: z.Ziel = TZiel::Schriften; break;
        case TRtfWort::Farbtabelle: z.Ziel = TZiel::Farben; break;
        case TRtfWort::Ueberspringen: z.Ziel = TZiel::Ueberspringen; break;
        case TRtfWort::Transparent: break;
        case TRtfWort::Deff: dok.StandardSchrift = wert; break;
        case TRtfWort::Ansicpg: ansicpg = wert > 0 ? wert : 1252; break;
        case TRtfWort::Papierbreite: if (wert > 0) dok.Seitenbreite = wert; break;
        case TRtfWort::RandLinks: if (wert >= 0) dok.RandLinks = wert; break;
        case TRtfWort::RandRechts: if (wert >= 0) dok.RandRechts = wert; break;
        case TRtfWort::U: unicode(wert); break;
        case TRtfWort::Uc: z.Uc = std::clamp(wert, 0, 255); break;
        case TRtfWort::Bin: break;
        case TRtfWort::Familie: neueSchrift.Familie = static_cast<TRtfFamilie>(art); break;
        case TRtfWort::Zeichensatz: neueSchrift.Zeichensatz = wert; break;
        case TRtfWort::Rot: rot = std::clamp(wert, 0, 255); break;
        case TRtfWort::Gruen: gruen = std::clamp(wert, 0, 255); break;
        case TRtfWort::Blau: blau = std::clamp(wert, 0, 255); break;
        case TRtfWort::Plain: f = TRtfZeichen(); z.Verborgen = false; break;
        case TRtfWort::Fett: f.Fett = an; break;
        case TRtfWort::Kursiv: f.Kursiv = an; break;
        case TRtfWort::Unterstrichen: f.Unterstrichen = an; break;
        case TRtfWort::KeinUnterstrich: f.Unterstrichen = false; break;
        case TRtfWort::Durchgestrichen: f.Durchgestrichen = an; break;
        case TRtfWort::Hoch: f.Hoehe = 1; break;
        case TRtfWort::Tief: f.Hoehe = -1; break;
        case TRtfWort::Normalhoehe: f.Hoehe = 0; break;
        case TRtfWort::Groesse: f.Groesse = wert > 0 ? std::min(wert, 3276) : 24; break;
        case TRtfWort::Schrift: schriftWaehlen(wert); break;
        case TRtfWort::Farbe: f.Farbe = std::max(wert, 0); break;
        case TRtfWort::Verborgen: z.Verborgen = an; break;
        case TRtfWort::Pard: a = TRtfAbsatzformat(); z.TabArt = TRtfTabArt::Links; break;
        case TRtfWort::Links: a.Ausrichtung = TRtfAusrichtung::Links; break;
        case TRtfWort::Zentriert: a.Ausrichtung = TRtfAusrichtung::Zentriert; break;
        case TRtfWort::Rechts: a.Ausrichtung = TRtfAusrichtung::Rechts; break;
        case TRtfWort::Blocksatz: a.Ausrichtung = TRtfAusrichtung::Blocksatz; break;
        case TRtfWort::Einzug: a.Links = wert; break;
        case TRtfWort::EinzugRechts: a.Rechts = wert; break;
        case TRtfWort::Erstzeile: a.Erstzeile = wert; break;
        case TRtfWort::Davor: a.Davor = wert; break;
        case TRtfWort::Danach: a.Danach = wert; break;
        case TRtfWort::Zeilenabstand: a.Zeilenabstand = wert; break;
        case TRtfWort::Mehrfach: a.Mehrfach = an; break;
        case TRtfWort::Tab: tabstopp(wert); break;
        case TRtfWort::TabRechts: z.TabArt = TRtfTabArt::Rechts; break;
        case TRtfWort::TabZentriert: z.TabArt = TRtfTabArt::Zentriert; break;
        case TRtfWort::TabDezimal: z.TabArt = TRtfTabArt::Dezimal; break;
        case TRtfWort::Absatz: if (z.Ziel == TZiel::Text) absatzBeenden(); break;
        case TRtfWort::Zeile: zeichen(Zeilenumbruch); break;
        case TRtfWort::Tabulator: zeichen(u'\t'); break;
        case TRtfWort::Zeichen: zeichen(QChar(art)); break;
        }
    }

    void schriftWaehlen(int nummer)
    {
        if (z.Ziel == TZiel::Schriften) {
            schriftBeenden();
            schriftNummer = nummer;
            neueSchrift = TRtfSchrift();
        } else {
            z.Zeichen.Schrift = nummer;
        }
    }

    void unicode(int wert)
    {
        zeichen(QChar(static_cast<char16_t>(wert & 0xFFFF)));
        ueberspringen = z.Uc;
    }

    void tabstopp(int position)
    {
        TRtfAbsatzformat& a = z.Absatz;
        if (a.Tabs.size() < RtfHoechsteTabstopps) {
            a.Tabs.append({position, z.TabArt});
            std::stable_sort(a.Tabs.begin(), a.Tabs.end(),
                             [](const TRtfTab& x, const TRtfTab& y) { return x.Position < y.Position; });
        }
        z.TabArt = TRtfTabArt::Links;
    }

    static bool isalpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isdigit(char c) { return c >= '0' && c <= '9'; }

    QByteArrayView bytes;
    qsizetype pos = 0;
    TRtfDokument dok;
    std::vector<TZustand> stapel;
    TZustand z;
    TRtfAbsatz absatz;
    int tiefeUeber = 0;      // depth inside a group nested too deep
    bool gruppenAnfang = false;
    bool stern = false;      // "\*" at the start of the current group
    bool fertig = false;
    QByteArray ausstehend;   // text bytes not yet decoded
    int ueberspringen = 0;   // replacement characters after \u still to skip
    int ansicpg = 1252;
    std::map<int, QStringDecoder> dekodierer;
    int schriftNummer = -1;
    TRtfSchrift neueSchrift;
    int rot = -1, gruen = -1, blau = -1;
};

TRtfDokument klartextLesen(QByteArrayView bytes)
{
    TRtfDokument dok;
    const QByteArray begrenzt = bytes.first(std::min(bytes.size(), RtfHoechsteGroesse)).toByteArray();
    for (const QString& zeile : InZeilen(TextAusBytes(begrenzt))) {
        TRtfAbsatz absatz;
        if (!zeile.isEmpty())
            absatz.Laeufe.append({zeile, TRtfZeichen()});
        dok.Absaetze.append(absatz);
    }
    return dok;
}

} // namespace

TRtfDokument RtfLesen(QByteArrayView rtf)
{
    qsizetype anfang = 0;
    while (anfang < rtf.size() && (rtf[anfang] == ' ' || rtf[anfang] == '\t' || rtf[anfang] == '\r' || rtf[anfang] == '\n'))
        ++anfang;
    if (!rtf.sliced(anfang).startsWith(QByteArrayView("{\\rtf")))
        return klartextLesen(rtf);
    return TLeser(rtf.sliced(anfang)).Lesen();
}

QString TRtfDokument::Text() const
{
    QStringList absaetze;
    for (const TRtfAbsatz& absatz : Absaetze) {
        QString text;
        for (const TRtfLauf& lauf : absatz.Laeufe)
            text += lauf.Text;
        absaetze << text.replace(Zeilenumbruch, u'\n');
    }
    return absaetze.join(u'\n');
}

const TRtfSchrift* TRtfDokument::Schrift(int nummer) const
{
    const auto it = Schriften.find(nummer < 0 ? StandardSchrift : nummer);
    return it == Schriften.end() ? nullptr : &it->second;
}

int TRtfDokument::Farbe(int index) const
{
    return index > 0 && index < Farben.size() ? Farben[index] : -1;
}
