#include "Unit1.h"

#include "Antwoord.h"
#include "Gebeurtenissen.h"
#include "Getaltekst.h"
#include "KlokTekst.h"
#include "Opmaak.h"
#include "Print1.h"
#include "Teksten.h"
#include "Toegankelijkheid.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace {

const QString MsSansSerif = QStringLiteral("MS Sans Serif");
const QString Arial = QStringLiteral("Arial");

QString Tekst(const std::string& s) { return QString::fromStdString(s); }
std::string Tekst(const QString& s) { return s.toStdString(); }

bool IsEnter(int toets) { return toets == Qt::Key_Return || toets == Qt::Key_Enter; }

// Tops of the ten rows: labels, answer field, verdict; and the number label's left.
struct TRijPlaats {
    int nummerLinks, labels, veld, oordeel;
};
constexpr TRijPlaats rijPlaatsen[10] = {
    {12, 36, 34, 36},    {12, 63, 61, 64},    {12, 90, 88, 91},    {12, 117, 115, 117},
    {11, 144, 142, 143}, {11, 171, 169, 172}, {11, 198, 196, 198}, {11, 225, 223, 225},
    {11, 252, 250, 252}, {3, 280, 278, 280},
};

QString RijNaam(int k, const char* deel) {
    return QStringLiteral("Oef%1%2").arg(k).arg(QLatin1String(deel));
}

} // namespace

TForm1::TForm1(QWidget* ouder) : QWidget(ouder) {
    ZetLettertypeVervangers();
    setObjectName(QStringLiteral("Form1"));
    // A normal top-level window with a close button only, fixed in size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Quorbel v.6.1 (DRK)"));
    setWindowIcon(SvgIcoon(QStringLiteral(":/beelden/icoon.svg"), {64, 64}));
    setFixedSize(888, 647);
    ZetAchtergrond(this, Kleur::KnopSchaduw);
    setFont(Lettertype(MsSansSerif, 13, Vet));
    ZetTekstKleur(this, Kleur::Zwart);
    setCursor(Qt::ForbiddenCursor);

    gebeurtenissen = new TGebeurtenissen(this);
    MaakInstellingen();
    MaakBovenbalk();
    MaakOefenVlak();
    MaakPuntenVlak();
    MaakKnoppen();
    MaakUitslagVlak();
    MaakInfoVlak();

    RichEdit1 = new QTextDocument(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setDefaultFont(Lettertype(QStringLiteral("Times New Roman"), 16, Gewoon));
    PrinterSetupDialog1 = [this](QPrinter& p) { return SysteemPrinterKeuze(p, this); };
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    KoppelGebeurtenissen();
    ZetVasteNamen(*this);
    FormCreate();
}

TForm1::~TForm1() = default;

// ---- Building the window ----------------------------------------------------------------

void TForm1::MaakInstellingen() {
    Instellingen = new QGroupBox(QStringLiteral("Instellingen"), this);
    Instellingen->setObjectName(QStringLiteral("Instellingen"));
    Instellingen->setGeometry(24, 9, 841, 89);
    ZetAchtergrond(Instellingen, Kleur::Blauwgroen);
    ZetTekstKleur(Instellingen, Kleur::Wit);

    auto* g = Instellingen;
    Label1 = MaakLabel(g, QStringLiteral("Label1"), {94, 16}, QStringLiteral(" Max. tafel  :"));
    MaxTerm1 = {MaakVeld(g, QStringLiteral("MaxTerm1"), {181, 16, 57, 17}, "10", 6), "10"};
    Label3 =
        MaakLabel(g, QStringLiteral("Label3"), {12, 40}, QStringLiteral("Max. vermenigvuldiger :"));
    MaxTerm2 = {MaakVeld(g, QStringLiteral("MaxTerm2"), {180, 40, 58, 17}, "10", 6), "10"};
    Label4 = MaakLabel(g, QStringLiteral("Label4"), {61, 64}, QStringLiteral("Timer (minuten) :"));
    TimerMinuten = {MaakVeld(g, QStringLiteral("TimerMinuten"), {179, 64, 59, 17}, "0", 3), "0"};
    for (auto* v : {MaxTerm1.veld, MaxTerm2.veld, TimerMinuten.veld})
        ZetTekstKleur(v, Kleur::Zwart);

    auto* kader = new QFrame(g);
    kader->setObjectName(QStringLiteral("RadioGroup1"));
    kader->setGeometry(246, 0, 197, 89);
    kader->setFrameStyle(QFrame::Box | QFrame::Sunken);
    RadioGroup1 = kader;
    Positief = MaakVinkje(g, QStringLiteral("Positief"), {274, 17, 129, 17},
                          QStringLiteral("Enkel positief"), true, false);
    Negatief = MaakVinkje(g, QStringLiteral("Negatief"), {274, 41, 129, 17},
                          QStringLiteral("Enkel negatief"), false, false);
    PositiefNegatief = MaakVinkje(g, QStringLiteral("PositiefNegatief"), {274, 63, 159, 17},
                                  QStringLiteral("Positief én Negatief"), false, false);

    Groep1 = new TPaneel(g, QStringLiteral("Groep1"), {442, 8, 259, 80}, Kleur::Blauwgroen, false,
                         TPaneel::Bevel::Verhoogd, 1);
    KlassiekTafelen = MaakVinkje(Groep1, QStringLiteral("KlassiekTafelen"), {102, 8, 141, 17},
                                 QStringLiteral("Klassiek tafelen :"), false, true);
    VariabeleVermenigvuldiger =
        MaakVinkje(Groep1, QStringLiteral("VariabeleVermenigvuldiger"), {20, 31, 223, 17},
                   QStringLiteral("Variabele vermenigvuldiger :"), true, true);
    OnderliggendeTafels =
        MaakVinkje(Groep1, QStringLiteral("OnderliggendeTafels"), {37, 54, 206, 17},
                   QStringLiteral("Ook onderliggende tafels :"), false, true);

    Image3 = MaakBeeld(g, QStringLiteral("Image3"), {718, 30, 37, 36},
                       QStringLiteral(":/beelden/printer.svg"));
    Image1 = MaakBeeld(g, QStringLiteral("Image1"), {787, 32, 35, 33},
                       QStringLiteral(":/beelden/icoon.svg"));
}

void TForm1::MaakBovenbalk() {
    Image4 = MaakBeeld(this, QStringLiteral("Image4"), {26, 104, 57, 25},
                       QStringLiteral(":/beelden/stop.svg"));
    Label36 =
        MaakLabel(this, QStringLiteral("Label36"), {152, 109}, QStringLiteral("Oefening nr. : :"));
    Reeksteller = MaakLabel(this, QStringLiteral("Reeksteller"), {256, 105}, QStringLiteral("1"));
    Reeksteller->setFont(Lettertype(MsSansSerif, 19, Vet));
    ZetAchtergrond(Reeksteller, Kleur::Geel);
    Reeksteller->adjustSize();

    OKKnop1 =
        MaakKnop(this, QStringLiteral("OKKnop1"), {353, 107, 62, 23}, QStringLiteral("RESET"));
    OKKnop1->setFont(Lettertype(MsSansSerif, 13, Vet | Cursief));
    ZetTekstKleur(OKKnop1, Kleur::Groen);
    OKKnop1->hide();

    KlokVenster = MaakLabel(this, QStringLiteral("KlokVenster"), {416, 106, 87, 24}, QString(),
                            Qt::AlignCenter);
    KlokVenster->setFont(Lettertype(MsSansSerif, 19, Vet));
    ZetTekstKleur(KlokVenster, Kleur::Rood);
    ZetAchtergrond(KlokVenster, Kleur::KnopTekst);
    KlokVenster->hide();

    Startknop =
        MaakKnop(this, QStringLiteral("Startknop"), {431, 107, 62, 22}, QStringLiteral("START"));
    Startknop->setFont(Lettertype(MsSansSerif, 13, Vet));
    ZetTekstKleur(Startknop, Kleur::Groen);
    Startknop->hide();
}

void TForm1::MaakOefenVlak() {
    Panel1 = new TPaneel(this, QStringLiteral("Panel1"), {24, 134, 642, 314}, Kleur::ActieveRand,
                         true, TPaneel::Bevel::Verhoogd, 5);
    Panel1->setFont(Lettertype(Arial, 16, Vet | Cursief));
    const auto kop = Lettertype(MsSansSerif, 13, Vet | Cursief);
    Label38 = MaakLabel(Panel1, QStringLiteral("Label38"), {14, 7},
                        QStringLiteral("Nr.  Vermenigvuldiger               Tafel                 "
                                       "                 Product                            Test"));
    Label38->setFont(kop);
    ZetTekstKleur(Label38, Kleur::Marine);
    Label38->adjustSize();

    QWidget* vorigVeld = nullptr;
    for (int k = 1; k <= 10; ++k) {
        const auto& p = rijPlaatsen[k - 1];
        auto* nummer = MaakLabel(Panel1, QStringLiteral("Label%1Nr").arg(k),
                                 {p.nummerLinks, k == 3 ? 91 : p.labels, k == 10 ? 29 : 21, 18},
                                 QStringLiteral("%1)").arg(k), Qt::AlignLeft | Qt::AlignTop);
        nummer->setFont(kop);
        ZetTekstKleur(nummer, Kleur::Marine);

        TRij& rij = rijen[k - 1];
        rij.Term1 = MaakLabel(Panel1, RijNaam(k, "Term1"), {50, p.labels, 106, 18},
                              QStringLiteral("00000000000"), Qt::AlignRight | Qt::AlignTop);
        MaakLabel(Panel1, QStringLiteral("LabelMaal%1").arg(k), {171, p.labels},
                  QStringLiteral("x"));
        rij.Term2 = MaakLabel(Panel1, RijNaam(k, "Term2"), {196, p.labels, 106, 18},
                              QStringLiteral("00000000000"), Qt::AlignLeft | Qt::AlignTop);
        MaakLabel(Panel1, QStringLiteral("LabelIs%1").arg(k), {311, p.labels}, QStringLiteral("="));
        rij.Result = MaakVeld(Panel1, RijNaam(k, "Result"), {337, p.veld, 191, 20},
                              QStringLiteral("00000000000000000000"), 20);
        rij.Result->setFocusPolicy(Qt::StrongFocus);
        rij.Result->setCursor(Qt::ArrowCursor);
        rij.Kontrol =
            MaakLabel(Panel1, RijNaam(k, "Kontrol"), {549, p.oordeel, 68, k == 5 ? 18 : 16},
                      QString(), Qt::AlignLeft | Qt::AlignTop);
        if (vorigVeld) setTabOrder(vorigVeld, rij.Result);
        vorigVeld = rij.Result;
    }
}

void TForm1::MaakPuntenVlak() {
    Panel2 = new TPaneel(this, QStringLiteral("Panel2"), {687, 134, 177, 313},
                         Kleur::InactieveTitel, true, TPaneel::Bevel::Verlaagd, 5, 5);
    const auto kop = Lettertype(MsSansSerif, 13, Vet | Cursief);
    Label41 =
        MaakLabel(Panel2, QStringLiteral("Label41"), {24, 28}, QStringLiteral("Behaalde punten"));
    Label6 =
        MaakLabel(Panel2, QStringLiteral("Label6"), {35, 66, 105, 37}, QString(), Qt::AlignCenter);
    Label14 = MaakLabel(Panel2, QStringLiteral("Label14"), {72, 135}, QStringLiteral("OP"));
    Label8 =
        MaakLabel(Panel2, QStringLiteral("Label8"), {35, 197, 105, 37}, QString(), Qt::AlignCenter);
    Label40 =
        MaakLabel(Panel2, QStringLiteral("Label40"), {26, 260}, QStringLiteral("Maximum punten"));
    for (auto* l : {Label41, Label40}) {
        l->setFont(kop);
        ZetTekstKleur(l, Kleur::Marine);
        l->adjustSize();
    }
    Label6->setFont(Lettertype(MsSansSerif, 32, Vet));
    ZetTekstKleur(Label6, Kleur::Geel);
    Label8->setFont(Lettertype(MsSansSerif, 32, Vet));
    ZetTekstKleur(Label8, Kleur::Blauw);
    Label14->setFont(Lettertype(MsSansSerif, 24, Vet));
    Label14->adjustSize();
}

void TForm1::MaakKnoppen() {
    VolgendeOefening = MaakKnop(this, QStringLiteral("VolgendeOefening"), {68, 456, 262, 24},
                                QStringLiteral("VOLGENDE OEFENING"));
    VolgendeOefening->setFont(Lettertype(Arial, 16, Vet));
    ZetTekstKleur(VolgendeOefening, Kleur::Kastanje);
    VolgendeOefening->hide();

    Kontroleer = MaakKnop(this, QStringLiteral("Kontroleer"), {397, 455, 136, 23},
                          QStringLiteral("CONTROLEER"));
    Kontroleer->setFont(Lettertype(QStringLiteral("@Arial Unicode MS"), 16, Vet));
    ZetTekstKleur(Kontroleer, Kleur::Paars);

    Help = new QTextEdit(this);
    Help->setObjectName(QStringLiteral("Help"));
    Help->setGeometry(24, 488, 841, 147);
    Help->setReadOnly(true);
    Help->setAcceptRichText(false);
    Help->setFrameStyle(QFrame::NoFrame);
    Help->setFocusPolicy(Qt::ClickFocus);
    QPalette p = Help->palette();
    p.setColor(QPalette::Base, Kleur::Grijs);
    p.setColor(QPalette::Text, Kleur::Zwart);
    Help->setPalette(p);
    Help->viewport()->setCursor(Qt::ForbiddenCursor);
}

void TForm1::MaakUitslagVlak() {
    Panel3 = new TPaneel(this, QStringLiteral("Panel3"), {24, 136, 841, 313}, Kleur::Bureaublad,
                         false, TPaneel::Bevel::Verlaagd, 3, 3);
    const auto wit19 = Lettertype(MsSansSerif, 19, Vet);
    const auto groot = Lettertype(MsSansSerif, 32, Vet);
    Label47 = MaakLabel(Panel3, QStringLiteral("Label47"), {370, 44, 116, 24},
                        QStringLiteral("Puntentotaal"), Qt::AlignCenter);
    Label48 = MaakLabel(Panel3, QStringLiteral("Label48"), {376, 116}, QString());
    Label50 = MaakLabel(Panel3, QStringLiteral("Label50"), {414, 124}, QStringLiteral("OP"));
    Label49 = MaakLabel(Panel3, QStringLiteral("Label49"), {480, 114}, QString());
    Label51 = MaakLabel(Panel3, QStringLiteral("Label51"), {348, 209, 98, 41}, QString(),
                        Qt::AlignRight | Qt::AlignTop);
    Label52 = MaakLabel(Panel3, QStringLiteral("Label52"), {456, 208}, QStringLiteral("%"));
    for (auto* l : {Label47, Label50}) {
        l->setFont(wit19);
        ZetTekstKleur(l, Kleur::Wit);
    }
    for (auto* l : {Label48, Label49}) {
        l->setFont(groot);
        ZetTekstKleur(l, Kleur::Geel);
    }
    Label51->setFont(groot);
    ZetTekstKleur(Label51, Kleur::Limoen);
    Label52->setFont(groot);
    ZetTekstKleur(Label52, Kleur::Wit);
    for (auto* l : {Label50, Label52})
        l->adjustSize();
    Panel3->setCursor(Qt::ForbiddenCursor);
    Panel3->hide();
}

void TForm1::MaakInfoVlak() {
    Info = new TPaneel(this, QStringLiteral("Info"), {272, 33, 585, 304}, Kleur::Blauw, true,
                       TPaneel::Bevel::Verhoogd, 1);
    Info->setFont(Lettertype(MsSansSerif, 16, Gewoon));
    ZetTekstKleur(Info, Kleur::Geel);
    Info->ZetTitel(QStringLiteral("Info"));
    Info->setCursor(Qt::ArrowCursor);

    // The labels that size to their texts are sized when the panel opens (Image1Click): measuring
    // them now would load three fonts that nothing on the start screen uses.
    const auto links = Qt::AlignLeft | Qt::AlignVCenter;
    Label42 = MaakLabel(Info, QStringLiteral("Label42"), {58, 13, 0, 0},
                        QStringLiteral("Een product van :"), links);
    Label42->setFont(Lettertype(MsSansSerif, 13, Gewoon));
    Label43 = MaakLabel(Info, QStringLiteral("Label43"), {176, 8, 0, 0},
                        QStringLiteral("Het Quorbel-team"), links);
    Label43->setFont(Lettertype(MsSansSerif, 19, Vet | Cursief));
    Label46 = MaakLabel(Info, QStringLiteral("Label46"), {161, 31, 0, 0},
                        QStringLiteral("https://quorbel.example.org"), links);
    Label46->setFont(Lettertype(MsSansSerif, 13, Vet | Cursief));
    ZetTekstKleur(Label46, Kleur::Wit);
    Label44 = MaakLabel(Info, QStringLiteral("Label44"), {216, 75, 0, 0},
                        QStringLiteral("Quorbel v.6.1"), links);
    Label44->setFont(Lettertype(MsSansSerif, 16, Vet | Onderstreept));
    Label45 = MaakLabel(
        Info, QStringLiteral("Label45"), {16, 99, 526, 120},
        QStringLiteral("Flexibel Programma voor het oefenen met tafels van vermenigvuldiging. Het "
                       "programma is in te stellen van heel eenvoudig tot heel moeilijk, en bevat "
                       "de mogelijkheid om een schriftelijke opgave aan te maken en te printen. Er "
                       "is ook een timer aanwezig die het mogelijk maakt om te rekenen in "
                       "wedstrijdverband (zoveel mogelijk juiste oefeningen maken binnen een "
                       "vastgestelde tijd)."),
        Qt::AlignLeft | Qt::AlignTop);
    Label45->setWordWrap(true);
    ZetAchtergrond(Label45, Kleur::Blauw); // hides the panel's caption behind it
    Image2 = MaakBeeld(Info, QStringLiteral("Image2"), {537, 6, 33, 36},
                       QStringLiteral(":/beelden/icoon.svg"));
    OKKnop = MaakKnop(Info, QStringLiteral("OKKnop"), {270, 258, 36, 25}, QString());
    OKKnop->setIcon(SvgIcoon(QStringLiteral(":/beelden/vinkje.svg"), {18, 18}));
    OKKnop->setIconSize({18, 18});
    Info->hide();
}

void TForm1::KoppelGebeurtenissen() {
    auto& g = *gebeurtenissen;
    // Cursors, focus and the reach of the Tab key: only the answer fields are in the Tab chain;
    // buttons, check boxes and settings fields take the focus on a click.
    for (auto* w : findChildren<QWidget*>()) {
        g.Besturing(w);
        if (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) ||
            w->inherits("QSvgWidget"))
            w->setCursor(Qt::ArrowCursor);
        if (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w))
            w->setFocusPolicy(Qt::ClickFocus);
    }
    for (auto* v : {MaxTerm1.veld, MaxTerm2.veld, TimerMinuten.veld}) {
        v->setFocusPolicy(Qt::ClickFocus);
        v->setCursor(Qt::ArrowCursor);
    }
    KlokVenster->setCursor(Qt::ForbiddenCursor);

    g.OpActivering([this] { FormActivate(); });
    g.OpKlik(Image4, [this] { Image4Click(); });
    g.OpKlik(Image1, [this] { Image1Click(); });
    g.OpKlik(Image3, [this] { Image3Click(); });
    g.OpKlik(OKKnop, [this] { OKKnopClick(); });
    g.ZetStandaardKnop(OKKnop);
    g.ZetAnnuleerKnop(OKKnop1);

    for (int k = 1; k <= 10; ++k) {
        QLineEdit* veld = rijen[k - 1].Result;
        g.OpFocusIn(veld, [this] { MaxTerm1Enter(); });
        g.OpKlik(veld, [this, k] { OefResultClick(k); });
        g.OpToets(veld, [this, k](QKeyEvent* e) { return OefResultKeyPress(k, e->key()); });
        g.OpFocusUit(veld, [this, k] { OefResultExit(k); });
    }
    g.OpKlik(Kontroleer, [this] { KontroleerClick(); });
    g.OpKlik(VolgendeOefening, [this] { VolgendeOefeningClick(); });

    g.OpFocusIn(MaxTerm1.veld, [this] { MaxTerm1Enter(); });
    g.OpFocusIn(MaxTerm2.veld, [this] { MaxTerm1Enter(); });
    g.OpFocusIn(TimerMinuten.veld, [this] { MaxTerm1Enter(); });
    g.OpKlik(MaxTerm1.veld, [this] { MaxTerm1Click(); });
    g.OpKlik(MaxTerm2.veld, [this] { MaxTerm2Click(); });
    g.OpKlik(TimerMinuten.veld, [this] { TimerMinutenClick(); });
    g.OpToets(MaxTerm1.veld, [this](QKeyEvent* e) { return MaxTerm1KeyPress(e->key()); });
    g.OpToets(MaxTerm2.veld, [this](QKeyEvent* e) { return MaxTerm2KeyPress(e->key()); });
    g.OpToets(TimerMinuten.veld, [this](QKeyEvent* e) { return TimerMinutenKeyPress(e->key()); });
    g.OpFocusUit(MaxTerm1.veld, [this] { MaxTerm1Exit(); });
    g.OpFocusUit(MaxTerm2.veld, [this] { MaxTerm2Exit(); });
    g.OpFocusUit(TimerMinuten.veld, [this] { TimerMinutenExit(); });

    g.OpVinkje(Positief, [this] { PositiefClick(); });
    g.OpVinkje(Negatief, [this] { NegatiefClick(); });
    g.OpVinkje(PositiefNegatief, [this] { PositiefNegatiefClick(); });
    g.OpVinkje(KlassiekTafelen, [this] { KlassiekTafelenClick(); });
    g.OpVinkje(VariabeleVermenigvuldiger, [this] { VariabeleVermenigvuldigerClick(); });
    g.OpVinkje(OnderliggendeTafels, [this] { OnderliggendeTafelsClick(); });

    g.OpKlik(Startknop, [this] { StartknopClick(); });
    g.OpKlik(OKKnop1, [this] { OKKnop1Click(); });
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    // Help texts: the background and its panels empty the help box; a control with a help text
    // shows it; other controls leave it alone.
    for (QWidget* achtergrond : {static_cast<QWidget*>(this), static_cast<QWidget*>(Instellingen),
                                 static_cast<QWidget*>(Groep1), static_cast<QWidget*>(Panel1),
                                 static_cast<QWidget*>(Panel2)})
        g.OpMuisBeweging(achtergrond, [this] { InstellingenMouseMove(); });
    for (auto* w : findChildren<QWidget*>()) {
        const QString naam = w->objectName();
        if (!HelpTekst(naam).isEmpty()) g.OpMuisBeweging(w, [this, naam] { ToonHelp(naam); });
        if (const QString tip = Tooltip(naam); !tip.isEmpty()) w->setToolTip(tip);
    }
}

// ---- Window events ----------------------------------------------------------------------

void TForm1::FormCreate() {
    NieuweReeks();
    oefenMaker.Zaai();
    Reeksteller->setText(QStringLiteral("1"));
    Timer1->setInterval(1000);
}

void TForm1::showEvent(QShowEvent* e) {
    if (!getoond) {
        getoond = true;
        if (const QScreen* scherm = screen())
            move(scherm->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(e);
}

void TForm1::FormActivate() {
    NieuweOefeningen();
    // A worksheet asked for in the print dialog is printed now; nothing happens otherwise.
    if (printer)
        DrukVerzoek(PrintVerzoek, PrinterSetupDialog1, *printer, oefenMaker, LeesInstellingen(),
                    opgaveBlad, *RichEdit1);
}

void TForm1::Image4Click() {
    close();
    QCoreApplication::quit();
}

// ---- Operations -------------------------------------------------------------------------

TInstellingen TForm1::LeesInstellingen() const {
    TInstellingen s;
    s.MaxTafel = Tekst(MaxTerm1.veld->text());
    s.MaxVermenigvuldiger = Tekst(MaxTerm2.veld->text());
    s.Klassiek = KlassiekTafelen->isChecked();
    s.Onderliggend = OnderliggendeTafels->isChecked();
    s.Variabel = VariabeleVermenigvuldiger->isChecked();
    s.TekenModus = Negatief->isChecked()           ? TTekenModus::tmNegatief
                   : PositiefNegatief->isChecked() ? TTekenModus::tmPositiefNegatief
                                                   : TTekenModus::tmPositief;
    return s;
}

void TForm1::NieuweOefeningen() {
    VolgendeOefening->hide();
    for (auto& rij : rijen) {
        const TOefening o = oefenMaker.MaakOefening(LeesInstellingen());
        rij.Term1->setText(Tekst(o.Vermenigvuldiger));
        rij.Term2->setText(Tekst(o.Tafel));
        rij.Result->clear();
        rij.Kontrol->clear();
    }
    rijen[0].Result->setFocus(Qt::OtherFocusReason);
    ToonPunten();
    emit OefeningenGetekend();
}

void TForm1::ToonPunten() {
    Label6->setText(Tekst(SchrijfGeheel(reeksStand.Punten())));
    Label8->setText(Tekst(SchrijfGeheel(reeksStand.MaxPunten())));
    // Every change of exercises, verdicts or score ends here: screen readers follow it.
    for (int k = 1; k <= 10; ++k) {
        TRij& rij = rijen[k - 1];
        NoemRij(k, *rij.Term1, *rij.Term2, *rij.Result, *rij.Kontrol);
    }
    NoemStand(*Label6, *Label8, *Reeksteller);
}

void TForm1::NieuweReeks() {
    reeksStand.Begin();
    Reeksteller->setText(QStringLiteral("1"));
    Reeksteller->adjustSize();
    ToonPunten();
}

void TForm1::ControleerAlles() {
    std::int32_t goed = 0;
    for (auto& rij : rijen) {
        const TOordeel oordeel = ControleerRij(Tekst(rij.Result->text()), Tekst(rij.Term1->text()),
                                               Tekst(rij.Term2->text()));
        const bool juist = oordeel == TOordeel::Goed;
        rij.Kontrol->setText(juist ? QStringLiteral("GOED") : QStringLiteral("FOUT"));
        ZetTekstKleur(rij.Kontrol, juist ? Kleur::Groen : Kleur::Rood);
        if (juist) ++goed;
    }
    reeksStand.Controle(goed);
    ToonPunten();
    VolgendeOefening->show();
}

// ---- Exercise area ----------------------------------------------------------------------

void TForm1::MaxTerm1Enter() { VolgendeOefening->hide(); }

void TForm1::OefResultClick(int k) { rijen[k - 1].Result->clear(); }

bool TForm1::OefResultKeyPress(int k, int toets) {
    if (!IsEnter(toets)) return false;
    rijen[k % 10].Result->setFocus(Qt::OtherFocusReason);
    return true;
}

void TForm1::OefResultExit(int k) {
    QLineEdit* veld = rijen[k - 1].Result;
    const std::string schoon = Schoon(Tekst(veld->text()));
    veld->setText(IsGetal(schoon) ? Tekst(schoon) : QString());
}

void TForm1::KontroleerClick() { ControleerAlles(); }

void TForm1::VolgendeOefeningClick() {
    reeksStand.Volgende();
    Reeksteller->setText(Tekst(SchrijfGeheel(reeksStand.ReeksNummer())));
    Reeksteller->adjustSize();
    NieuweOefeningen();
}

// ---- Settings panel ---------------------------------------------------------------------

void TForm1::GetalVeldKlik(TGetalVeld& v) {
    // A second click finds the field emptied by the first: remembering that would leave nothing
    // valid to put back.
    if (LeesGeheelGetal(Tekst(v.veld->text()))) v.onthouden = v.veld->text();
    v.veld->clear();
    v.veld->setFocus(Qt::OtherFocusReason);
}

bool TForm1::GetalVeldHerstel(TGetalVeld& v) {
    const std::string tekst = Trim(Tekst(v.veld->text()));
    const bool geldig = LeesGeheelGetal(tekst).has_value();
    v.veld->setText(geldig ? Tekst(tekst) : v.onthouden);
    return geldig;
}

bool TForm1::GetalVeldEnter(TGetalVeld& v, int toets) {
    if (!IsEnter(toets)) return false;
    GetalVeldHerstel(v);
    rijen[0].Result->setFocus(Qt::OtherFocusReason);
    return true;
}

void TForm1::MaxTermExit(TGetalVeld& v) {
    if (!GetalVeldHerstel(v)) return;
    if (v.veld->text() == v.onthouden) return;
    if (KlassiekTafelen->isChecked()) oefenMaker.HerstartKlassiek();
    NieuweOefeningen();
    NieuweReeks();
}

void TForm1::MaxTerm1Click() { GetalVeldKlik(MaxTerm1); }
void TForm1::MaxTerm2Click() { GetalVeldKlik(MaxTerm2); }
void TForm1::TimerMinutenClick() { GetalVeldKlik(TimerMinuten); }
bool TForm1::MaxTerm1KeyPress(int toets) { return GetalVeldEnter(MaxTerm1, toets); }
bool TForm1::MaxTerm2KeyPress(int toets) { return GetalVeldEnter(MaxTerm2, toets); }
bool TForm1::TimerMinutenKeyPress(int toets) { return GetalVeldEnter(TimerMinuten, toets); }
void TForm1::MaxTerm1Exit() { MaxTermExit(MaxTerm1); }
void TForm1::MaxTerm2Exit() { MaxTermExit(MaxTerm2); }

void TForm1::TimerMinutenExit() {
    if (!GetalVeldHerstel(TimerMinuten)) return;
    NieuweOefeningen();
    NieuweReeks();
    Startknop->setVisible(LeesGeheelGetal(Tekst(TimerMinuten.veld->text())).value_or(0) > 0);
}

// The three sign boxes act as one choice; unchecking the only checked one selects "positive".
void TForm1::TekenClick(QCheckBox* vak) {
    if (vak->isChecked())
        for (QCheckBox* ander : {Positief, Negatief, PositiefNegatief})
            if (ander != vak) ander->setChecked(false);
    if (!Positief->isChecked() && !Negatief->isChecked() && !PositiefNegatief->isChecked())
        Positief->setChecked(true);
    NieuweReeks();
    NieuweOefeningen();
}

void TForm1::PositiefClick() { TekenClick(Positief); }
void TForm1::NegatiefClick() { TekenClick(Negatief); }
void TForm1::PositiefNegatiefClick() { TekenClick(PositiefNegatief); }

void TForm1::KlassiekTafelenClick() {
    const bool klassiek = KlassiekTafelen->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{Positief, Negatief, PositiefNegatief,
                                         VariabeleVermenigvuldiger, MaxTerm2.veld, Label3})
        w->setVisible(!klassiek);
    OnderliggendeTafels->setVisible(!klassiek && VariabeleVermenigvuldiger->isChecked());
    if (klassiek) oefenMaker.HerstartKlassiek();
    NieuweReeks();
    NieuweOefeningen();
}

// A fixed multiplier always goes with varying tables.
void TForm1::VariabeleVermenigvuldigerClick() {
    if (!VariabeleVermenigvuldiger->isChecked()) {
        onthoudenOnderliggend = OnderliggendeTafels->isChecked();
        OnderliggendeTafels->setChecked(true);
        OnderliggendeTafels->hide();
    } else {
        OnderliggendeTafels->show();
        OnderliggendeTafels->setChecked(onthoudenOnderliggend);
    }
    NieuweReeks();
    NieuweOefeningen();
}

void TForm1::OnderliggendeTafelsClick() {
    NieuweReeks();
    NieuweOefeningen();
}

// ---- Competition ------------------------------------------------------------------------

void TForm1::StartknopClick() {
    if (KlassiekTafelen->isChecked()) oefenMaker.HerstartKlassiek();
    NieuweOefeningen();
    NieuweReeks();
    rijen[0].Result->setFocus(Qt::OtherFocusReason);
    wedstrijd.Start(*klok, LeesGeheelGetal(Tekst(TimerMinuten.veld->text())).value_or(0));
    Startknop->hide();
    // The whole time at once, rather than what was left of an earlier competition.
    KlokVenster->setText(KlokTekst(wedstrijd.Resterend(*klok), QLocale()));
    KlokVenster->show();
    Timer1->start();
    OKKnop1->show();
    // The print and information pictures lie in the settings panel: they go with it.
    Instellingen->setEnabled(false);
}

void TForm1::Timer1Timer() { TimerTik(); }

void TForm1::TimerTik() {
    switch (wedstrijd.Tik(*klok, KlokVenster->isVisibleTo(this))) {
    case TTik::Niets:
        break;
    case TTik::Gestopt:
        Timer1->stop();
        break;
    case TTik::Einde:
        BeeindigWedstrijd();
        break;
    case TTik::ToonResterend:
        KlokVenster->setText(KlokTekst(wedstrijd.Resterend(*klok), QLocale()));
        break;
    }
}

void TForm1::BeeindigWedstrijd() {
    Timer1->stop();
    // Disabling the area takes the focus from the answer field holding it, and so cleans that
    // field first; while another program is active the field keeps its text as typed.
    Panel1->setEnabled(false);
    Kontroleer->hide();
    ControleerAlles();
    std::array<std::string, 10> antwoorden;
    for (std::size_t i = 0; i < rijen.size(); ++i)
        antwoorden[i] = Tekst(rijen[i].Result->text());
    const TUitslag uitslag = SluitWedstrijdAf(reeksStand, antwoorden);
    Label48->setText(Tekst(uitslag.Punten));
    Label48->adjustSize();
    Label48->move(376 - Label48->width(), 116); // right edge fixed: more digits grow leftward
    Label49->setText(Tekst(uitslag.Gemaakt));
    Label49->adjustSize();
    Label51->setText(Tekst(uitslag.Percentage));
    Panel3->show();
    VolgendeOefening->hide();
}

void TForm1::OKKnop1Click() {
    Panel1->setEnabled(true);
    Kontroleer->show();
    KlokVenster->hide();
    OKKnop1->hide();
    TimerMinuten.veld->setText(QStringLiteral("0"));
    Panel3->hide();
    NieuweOefeningen();
    NieuweReeks();
    Instellingen->setEnabled(true);
}

// ---- Help and information ---------------------------------------------------------------

void TForm1::InstellingenMouseMove() {
    if (!Help->document()->isEmpty()) Help->clear();
}

void TForm1::ToonHelp(const QString& besturing) {
    const QString regels = HelpRegels(HelpTekst(besturing));
    if (Help->toPlainText() != regels) Help->setPlainText(regels);
}

void TForm1::Image1Click() {
    for (auto* l : {Label42, Label43, Label46, Label44})
        l->adjustSize();
    Info->show();
}

void TForm1::Image3Click() {
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // A new dialog each time, so it always opens with its defaults; it deletes itself on close.
    auto* dialoog = new TPrintDialoog1(PrintVerzoek, this);
    gebeurtenissen->EigenVenster(dialoog);
    dialoog->show();
}

void TForm1::OKKnopClick() { Info->hide(); }
