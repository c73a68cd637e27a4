#include "app/UMain.h"

#include "app/UBerichtsliste.h"
#include "app/UBilder.h"
#include "app/UBildschirm.h"
#include "app/UHilfe.h"
#include "app/UKlassenBaum.h"
#include "planning/UVar.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

const QString ProjektFilter = QStringLiteral("Konferenzplanung (*.spz)|*.spz|Alle Dateien (*.*)|*.*");

namespace {

const QColor Hintergrund(200, 185, 157);
constexpr int KlassenKnopfBreite = 194;
// At the window's smallest width the tree keeps nearly the width of the teacher list, whose
// three columns need about 250 pixels; the window then still starts at its design width.
constexpr int BaumMindestbreite = 200;
constexpr int LehrerKnopfBreite = 164;

QFont ueberschriftSchrift()
{
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setStyleHint(QFont::Serif);
    schrift.setPointSize(14);
    schrift.setBold(true);
    schrift.setItalic(true);
    return schrift;
}

QLabel* ueberschrift(QWidget* panel, const char* name, const QString& text)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(QLatin1String(name));
    label->setFont(ueberschriftSchrift());
    return label;
}

QFrame* panel(QWidget* eltern, const char* name)
{
    auto* rahmen = new QFrame(eltern);
    rahmen->setObjectName(QLatin1String(name));
    rahmen->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return rahmen;
}

// Heading, second line, the view and its column of buttons; the view grows with the panel.
void panelAnordnen(QWidget* panel, QLabel* kopf, QLabel* zeile, QWidget* ansicht, QVBoxLayout* knoepfe)
{
    auto* raster = new QGridLayout(panel);
    raster->setContentsMargins(8, 6, 8, 8);
    raster->setHorizontalSpacing(8);
    raster->addWidget(kopf, 0, 0, 1, 2);
    raster->addWidget(zeile, 1, 0, 1, 2);
    raster->addWidget(ansicht, 2, 0);
    knoepfe->setSpacing(8);
    knoepfe->addStretch(1);
    raster->addLayout(knoepfe, 2, 1);
    raster->setRowStretch(2, 1);
    raster->setColumnStretch(0, 1);
}

// The teacher list as a report: columns "Kürzel", salutation, "Name"; grid lines, whole
// rows, several rows with Ctrl and Shift, no editing, no sorting by the headers.
void lehrerlisteEinrichten(QTableWidget* liste)
{
    const int breite =
        BerichtslisteEinrichten(liste, {QStringLiteral("Kürzel"), QString(), QStringLiteral("Name")}, {53, 50, 130});
    liste->setShowGrid(true);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setTabKeyNavigation(false); // Tab leaves the list for the next control
    liste->setWordWrap(false);
    AuswahlImmerZeigen(liste);
    // all three columns and a vertical scroll bar fit without scrolling sideways
    liste->setMinimumWidth(breite + 2 * liste->frameWidth() +
                           liste->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
}

QShortcut* taste(QWidget* ort, Qt::Key taste, Qt::ShortcutContext bereich)
{
    auto* kuerzel = new QShortcut(QKeySequence(taste), ort);
    kuerzel->setContext(bereich);
    return kuerzel;
}

} // namespace

TFMain::TFMain(std::unique_ptr<IDialoge> dialoge, QWidget* parent) : QMainWindow(parent), dialoge_(std::move(dialoge))
{
    setObjectName(QStringLiteral("TFMain"));
    setWindowTitle(QStringLiteral("Simultano"));
    setWindowIcon(ProgrammIcon());
    QFont schrift(QStringLiteral("Tahoma"), 8);
    schrift.setStyleHint(QFont::SansSerif);
    setFont(schrift);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Hintergrund);
    setPalette(farben);
    setContextMenuPolicy(Qt::NoContextMenu); // the tool bars cannot be hidden

    menueAufbauen();
    werkzeugleisteAufbauen();
    flaecheAufbauen();
    befehleVerbinden();
    tastenEinrichten();
    schritteVerbinden();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    OD1.Filter = ProjektFilter;
    SD1.Filter = ProjektFilter;
    THilfe::DateiSetzen(THilfe::DateiSuchen(Programmpfad));
    displaymode = 0;
    setMinimumHeight(550);
    GroesseEinpassen(this, QSize(887, 689));
    SchalterErlauben();
}

TFMain::~TFMain() = default;

TFenster& TFMain::Fenster() const
{
    Q_ASSERT(fenster_);
    return *fenster_;
}

QAction* TFMain::aktion(const char* name, const QString& text, int bild)
{
    auto* a = new QAction(text, this);
    a->setObjectName(QLatin1String(name));
    a->setToolTip(QString(text).remove(QLatin1Char('&'))); // the hint of a tool button, "..." included
    if (bild >= 0)
        a->setIcon(Bild(bild));
    return a;
}

void TFMain::menueAufbauen()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    MainMenu1 = new QMenuBar(ToolBar1);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    ToolBar1->addWidget(MainMenu1);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    // Every menu and item has its mnemonic (Alt+D, then N for "Neu"); the menu bar's letters
    // D, B, A and ? are kept free of the buttons'.
    QMenu* datei = MainMenu1->addMenu(QStringLiteral("&Datei"));
    datei->addActions({Neu1 = aktion("Neu1", QStringLiteral("&Neu"), 0),
                       Oeffnen1 = aktion("Oeffnen1", QStringLiteral("Ö&ffnen ..."), 1),
                       Speichern1 = aktion("Speichern1", QStringLiteral("&Speichern"), 2),
                       Speichernunter1 = aktion("Speichernunter1", QStringLiteral("Speichern &unter ..."))});
    Zuletzt1 = datei->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    Zuletzt1->setObjectName(QStringLiteral("Zuletzt1"));
    datei->addSeparator();
    datei->addActions({ImportXML = aktion("ImportXML", QStringLiteral("&Import aus UNTIS (XML)"), 19),
                       ImportLehrerCSV = aktion("ImportLehrerCSV", QStringLiteral("&Lehrer importieren"))});
    datei->addSeparator();
    datei->addAction(TexteSpeichern = aktion("TexteSpeichern", QStringLiteral("&Texte speichern ..."), 17));
    datei->addSeparator();
    datei->addAction(Beenden1 = aktion("Beenden1", QStringLiteral("&Beenden")));

    QMenu* bearbeiten = MainMenu1->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten->addActions({Rueckgaengig1 = aktion("Rueckgaengig1", QStringLiteral("&Rückgängig")),
                            Wiederholen1 = aktion("Wiederholen1", QStringLiteral("&Wiederholen"))});
    bearbeiten->addSeparator();
    QMenu* klasse = bearbeiten->addMenu(QStringLiteral("&Klasse"));
    klasse->addActions({Hinzufgen1 = aktion("Hinzufgen1", QStringLiteral("&Hinzufügen ...")),
                        Bezeichn = aktion("Bezeichn", QStringLiteral("&Bezeichnung ändern ...")),
                        Bearbeiten2 = aktion("Bearbeiten2", QStringLiteral("&Elternvertreter ...")),
                        Lschen1 = aktion("Lschen1", QStringLiteral("&Löschen"))});
    QMenu* lehrer = bearbeiten->addMenu(QStringLiteral("&Lehrer"));
    lehrer->addActions({Hinzufgen2 = aktion("Hinzufgen2", QStringLiteral("&Hinzufügen ...")),
                        Bearbeiten3 = aktion("Bearbeiten3", QStringLiteral("&Bearbeiten ...")),
                        Lschen2 = aktion("Lschen2", QStringLiteral("&Löschen"))});
    lehrer->addSeparator();
    lehrer->addAction(ImportCSV = aktion("ImportCSV", QStringLiteral("&Importieren")));
    bearbeiten->addSeparator();
    bearbeiten->addAction(Auswerten1 = aktion("Auswerten1", QStringLiteral("&Auswerten"), 16));

    QMenu* konferenz = MainMenu1->addMenu(QStringLiteral("K&onferenz"));
    konferenz->addAction(VorsitzVerteilen1 = aktion("VorsitzVerteilen1", QStringLiteral("&Vorsitz verteilen")));

    QMenu* ansicht = MainMenu1->addMenu(QStringLiteral("&Ansicht"));
    ansichtMenue = {Klassl1 = aktion("Klassl1", QStringLiteral("&Klassenleitung")),
                    Kfdat1 = aktion("Kfdat1", QStringLiteral("Konferenz&datum")),
                    Konfvor1 = aktion("Konfvor1", QStringLiteral("Konferenz&vorsitz"))};
    auto* ansichtGruppe = new QActionGroup(this);
    for (int i = 0; i < 3; ++i) {
        ansichtMenue[i]->setCheckable(true);
        ansichtMenue[i]->setData(i + 4); // the position of its view button in ToolBar3
        ansichtGruppe->addAction(ansichtMenue[i]);
        ansicht->addAction(ansichtMenue[i]);
    }
    Klassl1->setChecked(true);

    QMenu* fragezeichen = MainMenu1->addMenu(QStringLiteral("&?"));
    fragezeichen->addActions({Info1 = aktion("Info1", QStringLiteral("&Info")),
                              Hilfe1 = aktion("Hilfe1", QStringLiteral("&Hilfe"))});
    fragezeichen->addSeparator();
    fragezeichen->addAction(BeispielOeffnen1 = aktion("BeispielOeffnen1", QStringLiteral("&Beispielschule öffnen")));
}

void TFMain::werkzeugleisteAufbauen()
{
    addToolBarBreak(Qt::TopToolBarArea);
    ToolBar3 = new QToolBar(this);
    ToolBar3->setObjectName(QStringLiteral("ToolBar3"));
    ToolBar3->setMovable(false);
    ToolBar3->setIconSize(QSize(16, 16));
    ToolBar3->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, ToolBar3);

    ToolBar3->addActions({TBnew = aktion("TBnew", QStringLiteral("Neu"), 0),
                          TBopen = aktion("TBopen", QStringLiteral("Öffnen"), 1),
                          TBsave = aktion("TBsave", QStringLiteral("Speichern"), 2)});
    ToolBar3->addSeparator();
    ansichtKnoepfe = {TBklasleh = aktion("TBklasleh", QStringLiteral("Klassenleitung anzeigen"), 14),
                      ToolButton2 = aktion("ToolButton2", QStringLiteral("Konferenzdatum anzeigen"), 15),
                      ToolButton8 = aktion("ToolButton8", QStringLiteral("Konferenzvorsitz anzeigen"), 20)};
    auto* knopfGruppe = new QActionGroup(this);
    for (int i = 0; i < 3; ++i) {
        ansichtKnoepfe[i]->setCheckable(true);
        ansichtKnoepfe[i]->setData(i + 4);
        knopfGruppe->addAction(ansichtKnoepfe[i]);
        ToolBar3->addAction(ansichtKnoepfe[i]);
    }
    TBklasleh->setChecked(true);
    ToolBar3->addSeparator();
    ToolBar3->addAction(TB_auswert = aktion("TB_auswert", QStringLiteral("Auswerten"), 16));
    ToolBar3->addSeparator();
    ToolBar3->addAction(ToolButton6 = aktion("ToolButton6", QStringLiteral("Texte für Protokoll..."), 17));
    ToolBar3->addSeparator();
    ToolBar3->addAction(TBexit = aktion("TBexit", QStringLiteral("Beenden"), 18));
}

QPushButton* TFMain::knopf(QWidget* panel, const char* name, const QString& text)
{
    auto* k = new QPushButton(text, panel);
    k->setObjectName(QLatin1String(name));
    k->setFixedWidth(panel == Panel1 ? KlassenKnopfBreite : LehrerKnopfBreite);
    k->setMinimumHeight(30);
    return k;
}

void TFMain::flaecheAufbauen()
{
    auto* flaeche = new QWidget(this);
    flaeche->setObjectName(QStringLiteral("Flaeche"));
    auto* spalten = new QVBoxLayout(flaeche);
    spalten->setContentsMargins(6, 4, 6, 6);
    spalten->setSpacing(4);

    Edit1 = new QLineEdit(flaeche);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFrame(false);
    Edit1->setFocusPolicy(Qt::ClickFocus);
    spalten->addWidget(Edit1);

    auto* panels = new QHBoxLayout;
    panels->setSpacing(6);
    panels->addWidget(klassenPanel(), 1); // a wider window widens the tree
    panels->addWidget(lehrerPanel(), 0);
    spalten->addLayout(panels, 1);
    setCentralWidget(flaeche);
}

QWidget* TFMain::klassenPanel()
{
    Panel1 = panel(this, "Panel1");
    Label1 = ueberschrift(Panel1, "Label1", QStringLiteral("Klassen"));
    StaticText1 = new QLabel(QStringLiteral("und unterrichtende Lehrkräfte:"), Panel1);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setFocusPolicy(Qt::TabFocus);
    TV = new TKlassenBaum(Panel1);
    TV->setObjectName(QStringLiteral("TV"));
    TV->setMinimumWidth(BaumMindestbreite);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(B_KlasseHinzu = knopf(Panel1, "B_KlasseHinzu", QStringLiteral("&Klasse hinzufügen")));
    knoepfe->addWidget(ElternBearbeiten = knopf(Panel1, "ElternBearbeiten", QStringLiteral("&Elternvertretung bearbeiten")));
    knoepfe->addWidget(B_Klassenlehrer = knopf(Panel1, "B_Klassenlehrer", QStringLiteral("Als Klassenle&itung kennzeichnen")));
    knoepfe->addSpacing(16);
    knoepfe->addWidget(B_Vorsitz = knopf(Panel1, "B_Vorsitz", QStringLiteral("Konferenz:\n&Vorsitz festlegen")));
    B_Vorsitz->setMinimumHeight(44);
    B_Vorsitz->setToolTip(QStringLiteral("Vorsitz für alle markierten Klassen festlegen"));
    knoepfe->addWidget(BKonferenz = knopf(Panel1, "BKonferenz", QStringLiteral("Konferenz: Da&tum festlegen")));
    BKonferenz->setToolTip(QStringLiteral("Konferenzdatum für alle markierten Klassen festlegen"));
    panelAnordnen(Panel1, Label1, StaticText1, TV, knoepfe);
    return Panel1;
}

QWidget* TFMain::lehrerPanel()
{
    Panel2 = panel(this, "Panel2");
    Label2 = ueberschrift(Panel2, "Label2", QStringLiteral("Lehrkräfte:"));
    LV = new QTableWidget(0, 3, Panel2);
    LV->setObjectName(QStringLiteral("LV"));
    lehrerlisteEinrichten(LV);
    new TLehrerZiehen(LV, TV); // rows are dragged onto a class of the tree

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(B_LehrerHinzu = knopf(Panel2, "B_LehrerHinzu", QStringLiteral("&Lehrer hinzufügen")));
    knoepfe->addWidget(B_LehrerBearb = knopf(Panel2, "B_LehrerBearb", QStringLiteral("Lehrerdaten bea&rbeiten")));
    // Enter, not only the space bar, presses it: salutations are filled in one after another
    B_LehrerBearb->setAutoDefault(true);
    knoepfe->addSpacing(16);
    knoepfe->addWidget(Zuweisen = knopf(Panel2, "Zuweisen", QString()));
    QFont fett = Zuweisen->font();
    fett.setBold(true);
    Zuweisen->setFont(fett);
    Zuweisen->setMinimumHeight(44);
    Zuweisen->hide();
    // the empty second line keeps the list level with the tree
    panelAnordnen(Panel2, Label2, new QLabel(Panel2), LV, knoepfe);
    return Panel2;
}

void TFMain::befehleVerbinden()
{
    const auto bei = [this](QAction* a, void (TFMain::*handler)()) { connect(a, &QAction::triggered, this, handler); };
    const auto knopfBei = [this](QPushButton* k, void (TFMain::*handler)()) { connect(k, &QPushButton::clicked, this, handler); };

    for (QAction* a : {Neu1, TBnew})
        bei(a, &TFMain::Neu1Click);
    for (QAction* a : {Oeffnen1, TBopen})
        bei(a, &TFMain::Oeffnen1Click);
    for (QAction* a : {Speichern1, TBsave, Speichernunter1})
        connect(a, &QAction::triggered, this, [this, a] { Speichernunter1Click(a); });
    for (QAction* a : {Beenden1, TBexit})
        bei(a, &TFMain::Beenden1Click);
    bei(ImportXML, &TFMain::ImportXMLClick);
    for (QAction* a : {ImportLehrerCSV, ImportCSV})
        bei(a, &TFMain::ImportLehrerCSVClick);
    for (QAction* a : {TexteSpeichern, ToolButton6})
        bei(a, &TFMain::TexteSpeichernClick);
    bei(VorsitzVerteilen1, &TFMain::VorsitzVerteilenClick);
    for (QAction* a : {Auswerten1, TB_auswert})
        bei(a, &TFMain::TB_auswertClick);
    for (QAction* a : {Hinzufgen1, Bezeichn})
        connect(a, &QAction::triggered, this, [this, a] { Hinzufgen1Click(a); });
    connect(B_KlasseHinzu, &QPushButton::clicked, this, [this] { Hinzufgen1Click(B_KlasseHinzu); });
    for (QAction* a : {Hinzufgen2, Bearbeiten3})
        connect(a, &QAction::triggered, this, [this, a] { B_LehrerHinzuClick(a); });
    for (QPushButton* k : {B_LehrerHinzu, B_LehrerBearb})
        connect(k, &QPushButton::clicked, this, [this, k] { B_LehrerHinzuClick(k); });
    bei(Bearbeiten2, &TFMain::ElternBearbeitenClick);
    bei(Lschen1, &TFMain::Lschen1Click);
    bei(Lschen2, &TFMain::Lschen2Click);
    bei(Info1, &TFMain::Info1Click);
    bei(Hilfe1, &TFMain::Hilfe1Click);
    connect(BeispielOeffnen1, &QAction::triggered, this, &TFMain::BeispielschuleOeffnen);
    bei(Rueckgaengig1, &TFMain::Rueckgaengig1Click);
    bei(Wiederholen1, &TFMain::Wiederholen1Click);
    for (QAction* a : ansichtMenue)
        connect(a, &QAction::triggered, this, [this, a] { TBklaslehClick(a); });
    for (QAction* a : ansichtKnoepfe)
        connect(a, &QAction::triggered, this, [this, a] { TBklaslehClick(a); });

    knopfBei(ElternBearbeiten, &TFMain::ElternBearbeitenClick);
    knopfBei(B_Klassenlehrer, &TFMain::B_KlassenlehrerClick);
    knopfBei(B_Vorsitz, &TFMain::B_VorsitzClick);
    knopfBei(BKonferenz, &TFMain::BKonferenzClick);
    knopfBei(Zuweisen, &TFMain::ZuweisenClick);

    connect(TV, &QTreeWidget::itemSelectionChanged, this, &TFMain::TVChange);
    connect(TV, &TKlassenBaum::Geklickt, this, &TFMain::TVClick);
    connect(TV, &QTreeWidget::itemExpanded, this, &TFMain::TVExpanded);
    connect(TV, &QTreeWidget::itemCollapsed, this, &TFMain::TVCollapsed);
    connect(LV, &QTableWidget::itemSelectionChanged, this, &TFMain::LVChange);
    connect(LV, &QTableWidget::cellDoubleClicked, this, &TFMain::LVDblClick);
    connect(TV, &TKlassenBaum::LehrerAbgelegt, this, &TFMain::LehrerAbgelegt);
}

void TFMain::tastenEinrichten()
{
    // Shortcuts of the window take a key before the focused control sees it. The menu shows
    // those that belong to one of its items.
    const std::pair<QAction*, QKeySequence> kuerzel[] = {
        {Neu1, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Oeffnen1, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {Speichern1, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Speichernunter1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {Beenden1, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {Klassl1, QKeySequence(Qt::Key_F8)},
    };
    Rueckgaengig1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    Wiederholen1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (const auto& [befehl, tasten] : kuerzel)
        befehl->setShortcut(tasten);
    connect(taste(this, Qt::Key_F1, Qt::WindowShortcut), &QShortcut::activated, this, &TFMain::FormHelp);
    connect(taste(TV, Qt::Key_Delete, Qt::WidgetShortcut), &QShortcut::activated, this, &TFMain::TVKeyDown);
    connect(taste(LV, Qt::Key_Delete, Qt::WidgetShortcut), &QShortcut::activated, this, &TFMain::LVKeyDown);
}

void TFMain::changeEvent(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow())
        beimAktualisieren = false;
    QMainWindow::changeEvent(ereignis);
}
