#pragma once
// The main window: every control of the drill, and the handlers that wire its events to the
// drill rules. The handlers read the controls, call the rules, and write the controls back.

#include "Afdrukken.h"
#include "Klok.h"
#include "OefenMaker.h"
#include "OpgaveBlad.h"
#include "PrintVerzoek.h"
#include "ReeksStand.h"
#include "Wedstrijd.h"

#include <QPrinter>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class TGebeurtenissen;
class TPaneel;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* ouder = nullptr);
    ~TForm1() override;

    const TReeksStand& ReeksStand() const { return reeksStand; }
    const TOefenMaker& OefenMaker() const { return oefenMaker; }
    const TWedstrijd& Wedstrijd() const { return wedstrijd; }
    // The clock the competition asks; the machine's own unless another is given.
    void ZetKlok(TKlok& k) { klok = &k; }
    // The printer setup step of printing; the system's printer dialog unless another is given.
    void ZetPrinterKeuze(TPrinterKeuze keuze) { PrinterSetupDialog1 = std::move(keuze); }

    // Window events.
    void FormCreate();
    void FormActivate();
    void Image4Click();

    // Exercise area.
    void MaxTerm1Enter();
    void OefResultClick(int k);
    bool OefResultKeyPress(int k, int toets);
    void OefResultExit(int k);
    void KontroleerClick();
    void VolgendeOefeningClick();

    // Settings panel.
    void MaxTerm1Click();
    void MaxTerm2Click();
    void TimerMinutenClick();
    bool MaxTerm1KeyPress(int toets);
    bool MaxTerm2KeyPress(int toets);
    bool TimerMinutenKeyPress(int toets);
    void MaxTerm1Exit();
    void MaxTerm2Exit();
    void TimerMinutenExit();
    void PositiefClick();
    void NegatiefClick();
    void PositiefNegatiefClick();
    void KlassiekTafelenClick();
    void VariabeleVermenigvuldigerClick();
    void OnderliggendeTafelsClick();

    // Competition.
    void StartknopClick();
    void Timer1Timer();
    void TimerTik();
    void OKKnop1Click();

    // Help and information.
    void InstellingenMouseMove();
    void ToonHelp(const QString& besturing);
    void Image1Click();
    void Image3Click();
    void OKKnopClick();

    // Operations.
    void NieuweOefeningen();
    void ToonPunten();
    void NieuweReeks();
    void ControleerAlles();
    TInstellingen LeesInstellingen() const;

signals:
    // A new set of ten exercises has been drawn into the rows.
    void OefeningenGetekend();

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct TRij {
        QLabel *Term1, *Term2, *Kontrol;
        QLineEdit* Result;
    };
    // A settings number field and the text it had when it was last clicked.
    struct TGetalVeld {
        QLineEdit* veld;
        QString onthouden;
    };

    void MaakInstellingen();
    void MaakBovenbalk();
    void MaakOefenVlak();
    void MaakPuntenVlak();
    void MaakKnoppen();
    void MaakUitslagVlak();
    void MaakInfoVlak();
    void KoppelGebeurtenissen();

    void GetalVeldKlik(TGetalVeld& v);
    bool GetalVeldEnter(TGetalVeld& v, int toets);
    // Puts the trimmed text back, or the remembered one when it is no valid integer; returns
    // whether the field held a valid integer.
    bool GetalVeldHerstel(TGetalVeld& v);
    void MaxTermExit(TGetalVeld& v);
    void TekenClick(QCheckBox* vak);
    void BeeindigWedstrijd();

    TOefenMaker oefenMaker;
    TReeksStand reeksStand;
    TGebeurtenissen* gebeurtenissen;
    bool getoond = false;
    bool onthoudenOnderliggend = false;
    TSysteemKlok systeemKlok;
    TKlok* klok = &systeemKlok;
    TWedstrijd wedstrijd;
    TPrintVerzoek PrintVerzoek;
    TPrinterKeuze PrinterSetupDialog1;
    std::unique_ptr<QPrinter> printer; // made on the first print request: it asks the print system
    TOpgaveBlad opgaveBlad;

    // The controls, by their names.
    QGroupBox* Instellingen;
    QLabel *Label1, *Label3, *Label4;
    TGetalVeld MaxTerm1, MaxTerm2, TimerMinuten;
    QWidget* RadioGroup1;
    QCheckBox *Positief, *Negatief, *PositiefNegatief;
    TPaneel* Groep1;
    QCheckBox *KlassiekTafelen, *VariabeleVermenigvuldiger, *OnderliggendeTafels;
    QWidget *Image3, *Image1, *Image4;
    QLabel *Label36, *Reeksteller, *KlokVenster;
    QPushButton *OKKnop1, *Startknop;
    TPaneel* Panel1;
    QLabel* Label38;
    std::array<TRij, 10> rijen;
    TPaneel* Panel2;
    QLabel *Label41, *Label6, *Label14, *Label8, *Label40;
    QPushButton *VolgendeOefening, *Kontroleer;
    QTextEdit* Help;
    TPaneel* Panel3;
    QLabel *Label47, *Label48, *Label50, *Label49, *Label51, *Label52;
    TPaneel* Info;
    QLabel *Label42, *Label43, *Label46, *Label44, *Label45;
    QWidget* Image2;
    QPushButton* OKKnop;
    QTextDocument* RichEdit1;
    QTimer* Timer1;
};
