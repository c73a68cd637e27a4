#include "minutes/UVorschau.h"

#include "app/UBildschirm.h"
#include "app/UHilfe.h"
#include "editing/UDialogHilfen.h"
#include "minutes/UEditor.h"
#include "minutes/UEditorHinweis.h"
#include "minutes/UFensterhilfe.h"
#include "minutes/URtf.h"
#include "minutes/URtfAnzeige.h"
#include "minutes/UText.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UFunctions.h"
#include "planning/UIni.h"
#include "planning/UVar.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTextEdit>
#include <QVBoxLayout>

#include <functional>

namespace {

const QString Einleitung = QStringLiteral(
    "Mit den Programmdaten steht fest, welche Lehrkräfte in einer Klasse unterrichten. \n"
    "Hier wird Ihnen angeboten, damit Texte zu erzeugen, die Sie in den Vordruck der Konferenzprotokolle einfügen können.\n"
    "Sie sollten Konferenzdatum, Konferenzvorsitz und auch die Elternvertreter für jede Klasse bereits eingegeben haben, "
    "wenn Sie \ndie Texte weitestgehend ausgefüllt wünschen. (Weiter Info/Hilfe: F1)");

const QString Datenabschnitt = QStringLiteral("Data");
const QString Optionen = QStringLiteral("Option");

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* k = Benannt<QPushButton>(eltern, name, text);
    k->setAutoDefault(false);
    return k;
}

} // namespace

TFVorschau::TFVorschau(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFVorschau"))
{
    setWindowTitle(QStringLiteral("Textbausteine für das Konferenzprotokoll"));
    Fensterschrift(this);
    aufbauen();
    GroesseEinpassen(this, QSize(921, 655));

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFVorschau::ListBox1Click);
    connect(cbMF, &QCheckBox::toggled, this, &TFVorschau::cbMFClick);
    connect(BClose, &QPushButton::clicked, this, &TFVorschau::BCloseClick);
    connect(BStandard, &QPushButton::clicked, this, &TFVorschau::BStandardClick);
    connect(BVorlOeffn, &QPushButton::clicked, this, &TFVorschau::BVorlOeffnClick);
    connect(BVorlBearb, &QPushButton::clicked, this, &TFVorschau::BVorlBearbClick);
    connect(BClipboardcopy, &QPushButton::clicked, this, &TFVorschau::BClipboardcopyClick);
    connect(BTextSpeich, &QPushButton::clicked, this, &TFVorschau::BTextSpeichClick);
    auto* hilfe = new QShortcut(QKeySequence(Qt::Key_F1), this);
    hilfe->setContext(Qt::WindowShortcut);
    connect(hilfe, &QShortcut::activated, this, &TFVorschau::FormHelp);
    // Ctrl+C copies the whole text whatever control has the focus: the window sees the key first.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

void TFVorschau::aufbauen()
{
    Memo1 = Benannt<QPlainTextEdit>(this, "Memo1", Einleitung);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Feldfarbe(Memo1, QColor(241, 240, 218));
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 4 + 12);

    ListBox1 = Benannt<QListWidget>(this, "ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setFixedWidth(150);
    Label1 = Benannt<QLabel>(this, "Label1", QStringLiteral("&Klasse(n)"));
    Label1->setBuddy(ListBox1);
    Label2 = Benannt<QLabel>(this, "Label2", QStringLiteral("Wählen Sie hier die Klasse für die Vorschau aus."));
    Label2->setWordWrap(true);
    Label2->setFixedWidth(150);
    Label3 = Benannt<QLabel>(this, "Label3", QStringLiteral("Vorschau"));

    re = Benannt<QTextEdit>(this, "re");
    re->setReadOnly(true);
    re->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    re->setLineWrapMode(QTextEdit::FixedPixelWidth);
    re->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    re->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Feldfarbe(re, Qt::white);
    re->document()->setDocumentMargin(16);

    cbMF = Benannt<QCheckBox>(this, "cbMF", QStringLiteral("Anrede für Funktionsbezeichnung (m/w) &nutzen"));
    BVorlBearb = knopf(this, "BVorlBearb", QStringLiteral("Textvorlage &bearbeiten / speichern"));
    BVorlOeffn = knopf(this, "BVorlOeffn", QStringLiteral("Eine andere Textvorlage ö&ffnen ..."));
    BStandard = knopf(this, "BStandard", QStringLiteral("Zurück zur &Standardvorlage"));
    BClipboardcopy = knopf(this, "BClipboardcopy", QStringLiteral("Text für .. k&opieren"));
    BClipboardcopy->setToolTip(QStringLiteral("Text in die Zwischenablage kopieren"));
    BTextSpeich = knopf(this, "BTextSpeich", QStringLiteral("Texte für &Protokolle speichern ..."));
    BClose = knopf(this, "BClose", QStringLiteral("Sc&hließen"));
    BClose->setDefault(true);

    auto* mitte = new QGridLayout;
    mitte->addWidget(Label1, 0, 0);
    mitte->addWidget(Label3, 0, 1);
    mitte->addWidget(ListBox1, 1, 0);
    mitte->addWidget(Label2, 2, 0, Qt::AlignTop);
    mitte->addWidget(re, 1, 1, 2, 1);
    mitte->setRowStretch(1, 1);
    mitte->setColumnStretch(1, 1);

    // the box on a line of its own, so that the template buttons fit a screen of 960 pixels
    auto* vorlage = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(BVorlBearb), static_cast<QWidget*>(BVorlOeffn), static_cast<QWidget*>(BStandard)})
        vorlage->addWidget(w);
    vorlage->addStretch(1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(BClipboardcopy);
    unten->addWidget(BTextSpeich);
    unten->addStretch(1);
    unten->addWidget(BClose);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(Memo1);
    haupt->addLayout(mitte, 1);
    haupt->addWidget(cbMF);
    haupt->addLayout(vorlage);
    haupt->addLayout(unten);

    Tabreihenfolge({ListBox1, re, cbMF, BVorlBearb, BVorlOeffn, BStandard, BClipboardcopy, BTextSpeich, BClose});
}

void TFVorschau::Ausfuehren(TFText& text)
{
    textFenster = &text;
    exec();
}

void TFVorschau::showEvent(QShowEvent* ereignis)
{
    if (!ereignis->spontaneous())
        FormShow();
    TDialogFenster::showEvent(ereignis);
}

void TFVorschau::FormShow()
{
    {
        const QSignalBlocker sperre(ListBox1);
        ListBox1->clear();
        for (const TKlasse* k : *Klassenliste)
            ListBox1->addItem(k->Bezeichnung);
        ListBox1->setCurrentRow(0);
    }
    tmpMF = MFnutzen;
    {
        const QSignalBlocker sperre(cbMF);
        cbMF->setChecked(tmpMF);
    }
    VorlageDatei = VorlageAusEinstellung(Ini->ReadString(Datenabschnitt, QStringLiteral("template"), QString()), Programmpfad);
    ListBox1Click();
    ListBox1->setFocus();
}

void TFVorschau::ListBox1Click()
{
    const QListWidgetItem* eintrag = ListBox1->currentItem();
    aktuelleKlasse = eintrag ? Klassenliste->SucheKlasse(eintrag->text()) : nullptr;
    BClipboardcopy->setText(aktuelleKlasse ? QStringLiteral("Text für %1 k&opieren (Strg-C)")
                                                 .arg(QString(aktuelleKlasse->Bezeichnung).replace(u'&', QStringLiteral("&&")))
                                           : QStringLiteral("Text für .. k&opieren"));
    fuelleRE();
}

void TFVorschau::fuelleRE()
{
    Vorlage = VorlageLaden(VorlageDatei, EingestellteSchrift());
    Label3->setText(Vorlage.Standard() ? QStringLiteral("Vorschau (mit der Standardvorlage).")
                                       : QStringLiteral("Die Vorschau basiert auf der Vorlage \"%1\".")
                                             .arg(QFileInfo(Vorlage.Datei).fileName()));
    BStandard->setEnabled(!Vorlage.Standard());
    Text.clear();
    if (!Vorlage.Fehler.isEmpty())
        Dialoge().Fehlermeldung(this, Vorlage.Fehler);
    else if (aktuelleKlasse) {
        QString fehler;
        const std::optional<TZeitplan> zeitplan = ProjektZeitplan();
        Text = ProtokollTextSchreiben(*aktuelleKlasse, Vorlage.Zeilen, tmpMF,
                                      zeitplan ? TerminVon(*zeitplan, aktuelleKlasse) : nullptr, &fehler);
        if (!fehler.isEmpty())
            Dialoge().Fehlermeldung(this, fehler);
    }
    const TRtfDokument dokument = RtfLesen(Text);
    re->setLineWrapColumnOrWidth(RtfTextbreite(dokument) + 2 * static_cast<int>(re->document()->documentMargin()));
    RtfAnzeigen(dokument, *re->document());
}

void TFVorschau::cbMFClick()
{
    tmpMF = cbMF->isChecked();
    fuelleRE();
}

void TFVorschau::BCloseClick()
{
    if (tmpMF != MFnutzen) {
        // the choice holds only once it is saved: a failed write leaves the window open as it was
        if (!EinstellungSchreiben(Dialoge(), this, [this] { Ini->WriteBool(Optionen, QStringLiteral("useMF"), tmpMF); }))
            return;
        MFnutzen = tmpMF;
    }
    accept();
}

void TFVorschau::BStandardClick()
{
    VorlageDatei.clear();
    EinstellungSchreiben(Dialoge(), this, [] { Ini->WriteString(Datenabschnitt, QStringLiteral("template"), QString()); });
    fuelleRE();
}

QString TFVorschau::Vorlagenordner()
{
    // where the user sees it, not in a hidden folder
    return Standardordner(QStandardPaths::DocumentsLocation);
}

void TFVorschau::BVorlOeffnClick()
{
    OD.Filter = QStringLiteral("RichText-Vorlage (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*");
    OD.FilterIndex = 1;
    OD.Dateiname.clear();
    OD.Ordner = VorlageDatei.isEmpty() ? Vorlagenordner() : QFileInfo(VorlageDatei).absolutePath();
    if (!Dialoge().DateiOeffnen(this, OD))
        return;
    if (QFileInfo(OD.Dateiname).suffix().compare(QLatin1String("rtf"), Qt::CaseInsensitive) != 0) {
        Dialoge().Meldung(this, QStringLiteral("Sie müssen eine Textdatei im RichText-Format wählen."), QStringLiteral("Fehler"));
        return;
    }
    VorlageDatei = QFileInfo(OD.Dateiname).absoluteFilePath();
    EinstellungSchreiben(Dialoge(), this, [this] {
        Ini->WriteString(Datenabschnitt, QStringLiteral("template"), RelativerPfad(VorlageDatei, Programmpfad));
    });
    fuelleRE();
}

void TFVorschau::BVorlBearbClick()
{
    const TEditor editor = VorlagenEditor(Ini->ReadString(Optionen, QStringLiteral("editor"), QString()));
    if (QFileInfo(VorlageDatei).isFile()) {
        vorlageBearbeiten(editor);
        return;
    }
    // The built-in template is saved first and then edited as a file.
    TAufgabe frage;
    frage.Fenstertitel = QStringLiteral("Textvorlage");
    frage.Hauptanweisung = QStringLiteral("Zum Bearbeiten der aktuellen Textvorlage muss sie zunächst gespeichert werden. "
                                          "Anschließend können Sie sie mit %1 bearbeiten & speichern.")
                               .arg(editor.Name.isEmpty() ? QStringLiteral("einem Textprogramm") : editor.Name);
    frage.Text = QStringLiteral("Jetzt speichern?");
    frage.Symbol = TSymbol::Information;
    frage.Knoepfe = TKnopfsatz::OkAbbrechen;
    if (Dialoge().Aufgabe(this, frage).Knopf != TKnopf::Ok)
        return;
    SD.Filter = QStringLiteral("Richtext-Dateien (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*");
    SD.FilterIndex = 1;
    SD.Dateiname = QStringLiteral("protokoll.rtf");
    SD.Ordner = Vorlagenordner();
    SD.Standardendung = QStringLiteral("rtf");
    SD.UeberschreibenFragen = true;
    if (!Dialoge().DateiSpeichern(this, SD))
        return;
    const QString fehler = DateiSchreiben(SD.Dateiname, VorlageBytes(Vorlage.Zeilen));
    if (!fehler.isEmpty()) {
        Dialoge().Fehlermeldung(this, fehler);
        return;
    }
    VorlageDatei = QFileInfo(SD.Dateiname).absoluteFilePath();
    if (!EinstellungSchreiben(Dialoge(), this, [this] {
            Ini->WriteString(Datenabschnitt, QStringLiteral("template"), RelativerPfad(VorlageDatei, Programmpfad));
        }))
        return;
    fuelleRE();
    vorlageBearbeiten(editor);
}

void TFVorschau::vorlageBearbeiten(const TEditor& editor)
{
    if (editor.Programm.isEmpty())
        Dialoge().Fehlermeldung(this, QStringLiteral("Auf diesem System ist kein Programm zum Bearbeiten von RTF-Dateien zu "
                                                     "finden. Installieren Sie LibreOffice Writer oder AbiWord, oder tragen "
                                                     "Sie ein Programm in Simultano.ini unter [Option] als editor= ein."));
    else if (editorHinweis(editor))
        editorStarten(editor);
}

// The hint about the editor, unless switched off; false when the user cancels.
bool TFVorschau::editorHinweis(const TEditor& editor)
{
    if (!Ini->ReadBool(Optionen, QStringLiteral("hint1"), true))
        return true;
    const QString name = editor.Name.isEmpty() ? QStringLiteral("ein Textprogramm") : editor.Name;
    TAufgabe hinweis;
    hinweis.Fenstertitel = QStringLiteral("Hinweis:");
    hinweis.Hauptanweisung =
        QStringLiteral("Zum Bearbeiten der Vorlage wird %1 aufgerufen. Speichern Sie die Vorlage dort und klicken Sie "
                       "dann auf \"Fertig\"; bis dahin können Sie mit \"Simultano\" weiter arbeiten.\n"
                       "Die Vorlage kann auch mit einer anderen Textverarbeitung bearbeitet werden, achten Sie beim "
                       "Speichern dann auf das RichText-Format!")
            .arg(name);
    hinweis.Text = QStringLiteral("Sie können diesen Hinweis zukünftig unterdrücken.");
    hinweis.Kontrollkaestchen = QStringLiteral("Hinweis nicht mehr anzeigen");
    hinweis.Knoepfe = TKnopfsatz::OkAbbrechen;
    const TAufgabeAntwort antwort = Dialoge().Aufgabe(this, hinweis);
    if (antwort.Knopf != TKnopf::Ok)
        return false;
    if (antwort.Angekreuzt)
        EinstellungSchreiben(Dialoge(), this, [] { Ini->WriteBool(Optionen, QStringLiteral("hint1"), false); });
    return true;
}

// Starts the editor with the template and shows the note: the window stays usable, and
// "Fertig" takes the template back.
void TFVorschau::editorStarten(const TEditor& editor)
{
    if (!editorHinweis_) {
        editorHinweis_ = new TEditorHinweis(this);
        connect(editorHinweis_, &TEditorHinweis::Fertig, this, &TFVorschau::fuelleRE);
        connect(this, &QDialog::finished, editorHinweis_, &QDialog::reject); // the note goes with the window
    }
    if (!editorHinweis_->Starten(editor.Programm, editor.Argumente + QStringList{QDir::toNativeSeparators(VorlageDatei)},
                                 editor.Name))
        Dialoge().Fehlermeldung(this, QStringLiteral("%1 (%2) kann nicht gestartet werden.").arg(editor.Name, editor.Programm));
}

TEditorHinweis* TFVorschau::EditorHinweis() const
{
    return editorHinweis_;
}

void TFVorschau::TextKopieren()
{
    auto* daten = new QMimeData;
    daten->setData(QStringLiteral("text/rtf"), Text);
    daten->setData(QStringLiteral("text/richtext"), Text);
    daten->setText(RtfLesen(Text).Text());
    QGuiApplication::clipboard()->setMimeData(daten);
}

void TFVorschau::BClipboardcopyClick()
{
    TextKopieren();
    ListBox1->setFocus();
}

bool TFVorschau::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const QEvent::Type art = ereignis->type();
    if (art == QEvent::ShortcutOverride || art == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_C && (taste->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
            ereignis->accept();
            if (art == QEvent::KeyPress)
                TextKopieren();
            return true;
        }
    }
    return TDialogFenster::eventFilter(objekt, ereignis);
}

void TFVorschau::BTextSpeichClick()
{
    if (textFenster)
        textFenster->Ausfuehren(VorlageDatei, tmpMF);
}

void TFVorschau::FormHelp()
{
    const QString fehler = THilfe::KontextZeigen(THilfe::KontextVorschau, this);
    if (!fehler.isEmpty())
        Dialoge().Fehlermeldung(this, fehler);
}
