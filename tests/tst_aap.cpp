// A seeded random walk over the real main window: clicks, keys, mouse moves and focus changes,
// with the window's rules checked after every event. On a failure it prints the seed and the
// events that led there; QUORBEL_AAP_ZAAD and QUORBEL_AAP_STAPPEN replay or lengthen a walk.
#include "Antwoord.h"
#include "Klok.h"
#include "Print1.h"
#include "Vensterhulp.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>

#include <deque>
#include <random>

using namespace Hulp;

namespace {

class TAap {
public:
    TAap(TForm1& venster, std::uint64_t zaad) : w(venster), toeval(zaad) {
        for (QWidget* b : w.findChildren<QWidget*>())
            if (!b->objectName().isEmpty() && !b->objectName().startsWith("qt_") &&
                b->objectName() != "Image4") // the stop picture ends the program
                besturingen << b;
        besturingen << &w;
        for (int k = 1; k <= 10; ++k)
            velden[k - 1] = Zoek<QLineEdit>(w, Rij(k, "Result"));
        QObject::connect(&w, &TForm1::OefeningenGetekend, [this] {
            nieuweSet = true;
            sindsControle = false;
        });
        QObject::connect(qApp, &QApplication::focusChanged, [this](QWidget*, QWidget* nu) {
            // The window becoming active again gives the focus back; that is no focus entry.
            if (!wisselVanProgramma && qobject_cast<QLineEdit*>(nu) && nu->window() == &w)
                sindsControle = false;
        });
        QObject::connect(Zoek<QPushButton>(w, "Kontroleer"), &QPushButton::clicked,
                         [this] { sindsControle = true; });
        w.ZetKlok(klok);
        // Printing goes to a PDF file; the printer setup is confirmed or cancelled at random.
        w.ZetPrinterKeuze([this](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(map.filePath(QStringLiteral("werkblad.pdf")));
            return Getal(2) == 0;
        });
    }

    // One random event; returns its description for the replay list.
    QString Stap();
    // Empty when every rule holds, else what is wrong.
    QString Controleer() const;

private:
    int Getal(int n) { return std::uniform_int_distribution<int>(0, n - 1)(toeval); }
    QWidget* ZichtbareBesturing();
    QString Wedstrijd();
    QString Printen();
    QString SluitDialoog();

    TForm1& w;
    std::mt19937_64 toeval;
    TTestKlok klok;
    QTemporaryDir map;
    QList<QWidget*> besturingen;
    std::array<QLineEdit*, 10> velden{};
    std::array<QString, 10> vorigeAntwoorden;
    QWidget* doelVanStap = nullptr; // the answer field typed into or clicked by the last event
    bool doelGeklikt = false;
    bool nieuweSet = false; // a new set was drawn during the last event
    // A check happened, and no field has gained the focus and no set was drawn since.
    bool sindsControle = false;
    bool wisselVanProgramma = false;
};

QWidget* TAap::ZichtbareBesturing() {
    for (int poging = 0; poging < 50; ++poging) {
        QWidget* b = besturingen[Getal(besturingen.size())];
        if (b->isVisible()) return b;
    }
    return &w;
}

QString TAap::Stap() {
    for (int k = 0; k < 10; ++k)
        vorigeAntwoorden[k] = velden[k]->text();
    doelVanStap = nullptr;
    doelGeklikt = false;
    nieuweSet = false;
    static const QString tekens =
        QStringLiteral("0123456789012345678901234567890+-,.,.eE aZ\u00e9\u20ac\u0660");
    const int soort = Getal(100);
    QWidget* focus = QApplication::focusWidget();

    if (soort < 30) {
        QWidget* b = ZichtbareBesturing();
        const QPoint plek(Getal(qMax(1, b->width())), Getal(qMax(1, b->height())));
        // Clicks land where a pupil's would: on the control that is on top at that point.
        QWidget* onder = w.childAt(b->mapTo(&w, plek));
        QWidget* doel = onder ? onder : &w;
        const QPoint doelPlek = doel->mapFrom(&w, b->mapTo(&w, plek));
        if (doel->isEnabled()) {
            doelVanStap = doel;
            doelGeklikt = true;
        }
        QTest::mouseClick(doel, Qt::LeftButton, {}, doelPlek);
        return QStringLiteral("klik %1 (%2,%3)")
                   .arg(doel->objectName())
                   .arg(doelPlek.x())
                   .arg(doelPlek.y()) +
               SluitDialoog();
    }
    if (soort < 62) {
        if (!focus) return QStringLiteral("typ (geen focus)");
        QString getypt;
        for (int i = 1 + Getal(4); i > 0; --i)
            getypt += tekens[Getal(tekens.size())];
        if (Getal(20) == 0) getypt += QChar(1 + Getal(31)); // a control character
        doelVanStap = focus;
        Typ(focus, getypt);
        return QStringLiteral("typ \"%1\" in %2").arg(getypt, focus->objectName());
    }
    if (soort < 85) {
        // Keys reach the program only while one of its windows has the focus.
        if (!focus) return QStringLiteral("toets (geen focus)");
        const auto toets = soort < 74   ? Qt::Key_Return
                           : soort < 80 ? Qt::Key_Tab
                           : soort < 83 ? Qt::Key_Escape
                                        : Qt::Key_Backspace;
        doelVanStap = toets == Qt::Key_Backspace ? focus : nullptr;
        QTest::keyClick(focus, toets);
        return QStringLiteral("toets %1 in %2")
            .arg(QKeySequence(toets).toString(), focus->objectName());
    }
    if (soort < 92) {
        QWidget* b = ZichtbareBesturing();
        QTest::mouseMove(b, QPoint(Getal(qMax(1, b->width())), Getal(qMax(1, b->height()))));
        return QStringLiteral("beweeg over %1").arg(b->objectName());
    }
    if (soort < 97) return Wedstrijd();
    if (soort == 97 && Getal(20) == 0) return Printen();
    wisselVanProgramma = true;
    AnderProgramma();
    if (Getal(4) != 0) TerugNaar(w);
    wisselVanProgramma = false;
    return QStringLiteral("ander programma");
}

// Time passes on the test clock and the one-second timer ticks, as it does while it runs; or a
// competition is set up and started.
QString TAap::Wedstrijd() {
    auto* timer = w.findChild<QTimer*>(QStringLiteral("Timer1"));
    if (timer->isActive()) {
        const int seconden = Getal(3) == 0 ? Getal(90) : 1;
        klok.Verstrijk(std::chrono::seconds(seconden));
        if (Getal(10) == 0) klok.VerzetNu(std::chrono::hours(Getal(2) == 0 ? 1 : -1));
        w.Timer1Timer();
        return QStringLiteral("tik na %1 s").arg(seconden);
    }
    auto* start = Zoek<QPushButton>(w, "Startknop");
    if (start->isVisible() && start->isEnabled() && w.isActiveWindow()) {
        doelVanStap = nullptr;
        QTest::mouseClick(start, Qt::LeftButton);
        return QStringLiteral("START");
    }
    auto* minuten = Zoek<QLineEdit>(w, "TimerMinuten");
    if (!minuten->isEnabled() || !w.isActiveWindow())
        return QStringLiteral("wedstrijd (niet mogelijk)");
    QTest::mouseClick(minuten, Qt::LeftButton);
    Typ(minuten, QString::number(1 + Getal(3)));
    QTest::keyClick(minuten, Qt::Key_Return);
    return QStringLiteral("minuten ingesteld");
}

// The printer picture, then the print dialog closed one of three ways.
QString TAap::Printen() {
    auto* printer = Zoek(w, "Image3");
    if (!printer->isVisible() || !printer->isEnabled() || !w.isActiveWindow())
        return QStringLiteral("printen (niet mogelijk)");
    QTest::mouseClick(printer, Qt::LeftButton);
    return QStringLiteral("printen") + SluitDialoog();
}

// A print dialog that the last click opened is closed with OK, Esc or otherwise.
QString TAap::SluitDialoog() {
    TPrintDialoog1* d = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* kandidaat = qobject_cast<TPrintDialoog1*>(t); kandidaat && kandidaat->isVisible())
            d = kandidaat;
    if (!d) return {};
    if (!QTest::qWaitFor([d] { return d->isActiveWindow(); }, 2000))
        return QStringLiteral(", de dialoog werd niet actief");
    if (Getal(2) == 0) QTest::mouseClick(d->findChild<QCheckBox*>("CheckBox1"), Qt::LeftButton);
    const int manier = Getal(3);
    if (manier == 0)
        QTest::keyClick(d->findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
    else if (manier == 1)
        QTest::keyClick(d->findChild<QLineEdit*>("Edit1"), Qt::Key_Escape);
    else
        d->close();
    nieuweSet = true; // the main window draws a fresh set on its return
    doelVanStap = nullptr;
    if (!QTest::qWaitFor([this] { return w.isActiveWindow(); }, 2000))
        return QStringLiteral(", het hoofdvenster werd niet actief");
    return QStringLiteral(", dialoog gesloten met %1")
        .arg(manier == 0   ? "OK"
             : manier == 1 ? "Esc"
                           : "sluiten");
}

QString TAap::Controleer() const {
    QStringList fouten;
    // Each settings field holds a valid integer, except the one being typed in (which keeps
    // the window's focus while another program is active).
    for (const char* naam : {"MaxTerm1", "MaxTerm2", "TimerMinuten"}) {
        auto* v = Zoek<QLineEdit>(w, naam);
        if (v != w.focusWidget() && !LeesGeheelGetal(v->text().toStdString()))
            fouten << QStringLiteral("%1 holds \"%2\" (focus in %3)")
                          .arg(naam, v->text(),
                               w.focusWidget() ? w.focusWidget()->objectName() : "nothing");
    }
    int aangevinkt = 0;
    for (const char* naam : {"Positief", "Negatief", "PositiefNegatief"})
        aangevinkt += Zoek<QCheckBox>(w, naam)->isChecked();
    if (aangevinkt != 1) fouten << QStringLiteral("%1 sign boxes checked").arg(aangevinkt);

    const TReeksStand& s = w.ReeksStand();
    const bool afgelopen = Zoek(w, "Panel3")->isVisible();
    if (!afgelopen) {
        if (s.MaxPunten() != 10 * s.ReeksNummer())
            fouten
                << QStringLiteral("maximum %1 in set %2").arg(s.MaxPunten()).arg(s.ReeksNummer());
        if (s.Punten() < s.VastePunten() || s.Punten() > s.VastePunten() + 10)
            fouten
                << QStringLiteral("points %1, committed %2").arg(s.Punten()).arg(s.VastePunten());
        if (Tekst(w, "Label6") != QString::number(s.Punten()) ||
            Tekst(w, "Label8") != QString::number(s.MaxPunten()))
            fouten << QStringLiteral("score panel shows %1 / %2")
                          .arg(Tekst(w, "Label6"), Tekst(w, "Label8"));
        if (Tekst(w, "Reeksteller") != QString::number(s.ReeksNummer()))
            fouten << QStringLiteral("series number shows %1").arg(Tekst(w, "Reeksteller"));
    }

    // VOLGENDE OEFENING only between a check and the next focus entry or new set.
    if (Zoek(w, "VolgendeOefening")->isVisible()) {
        if (!sindsControle)
            fouten << QStringLiteral("VOLGENDE OEFENING visible after a focus entry or a new set");
        for (int k = 1; k <= 10; ++k)
            if (Tekst(w, Rij(k, "Kontrol")).isEmpty())
                fouten << QStringLiteral("VOLGENDE OEFENING visible in an unchecked set");
    }

    // An answer changes only by typing in it, a click into it, its clean-up, or a new set.
    for (int k = 0; k < 10; ++k) {
        const QString oud = vorigeAntwoorden[k], nu = velden[k]->text();
        if (oud == nu || nieuweSet || velden[k] == doelVanStap) continue;
        const std::string schoon = Schoon(oud.toStdString());
        const bool opgeschoond =
            nu == QString::fromStdString(schoon) || (nu.isEmpty() && !IsGetal(schoon));
        if (!opgeschoond)
            fouten
                << QStringLiteral("answer %1 went from \"%2\" to \"%3\"").arg(k + 1).arg(oud, nu);
    }

    for (QWidget* t : QApplication::topLevelWidgets()) {
        if (t->isVisible() && qobject_cast<QMessageBox*>(t)) fouten << "a message box is shown";
        if (t->isVisible() && qobject_cast<TPrintDialoog1*>(t)) fouten << "the print dialog stayed";
    }
    if (!w.isEnabled()) fouten << "the main window stayed disabled";
    auto* timer = w.findChild<QTimer*>(QStringLiteral("Timer1"));
    // The timer runs only while a countdown does (RESET stops it at its next tick).
    if (timer->isActive() != w.Wedstrijd().Loopt())
        fouten << QStringLiteral("the timer %1 while the countdown %2")
                      .arg(timer->isActive() ? "runs" : "stands",
                           w.Wedstrijd().Loopt() ? "runs" : "stands");
    if (Zoek(w, "KlokVenster")->isVisible() && !afgelopen && !timer->isActive())
        fouten << QStringLiteral("the clock shows without a countdown");
    return fouten.join("; ");
}

} // namespace

class TstAap : public QObject {
    Q_OBJECT
private slots:
    void wandeling();
};

void TstAap::wandeling() {
    const auto zaad = qEnvironmentVariableIsSet("QUORBEL_AAP_ZAAD")
                          ? qEnvironmentVariable("QUORBEL_AAP_ZAAD").toULongLong()
                          : 20261211ULL;
    const int stappen = qEnvironmentVariableIsSet("QUORBEL_AAP_STAPPEN")
                            ? qEnvironmentVariableIntValue("QUORBEL_AAP_STAPPEN")
                            : 100000;
    auto w = Start();
    TAap aap(*w, zaad);
    std::deque<QString> verloop;
    QMap<QString, int> soorten; // what the walk did, to show it reached every part
    bool uitslagGetoond = false;
    for (int i = 0; i < stappen; ++i) {
        verloop.push_back(aap.Stap());
        soorten[verloop.back().section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(','))]++;
        if (verloop.back().contains(QStringLiteral("dialoog gesloten"))) soorten["dialoog"]++;
        const bool uitslag = Zoek(*w, "Panel3")->isVisible();
        if (uitslag && !uitslagGetoond) soorten["uitslag"]++;
        uitslagGetoond = uitslag;
        if (verloop.size() > 40) verloop.pop_front();
        if (const QString fout = aap.Controleer(); !fout.isEmpty()) {
            qWarning().noquote() << "seed" << zaad << "failed at step" << i << ":" << fout;
            qWarning().noquote() << "last events:\n  " +
                                        QStringList(verloop.begin(), verloop.end()).join("\n  ");
            QFAIL(qPrintable(fout));
        }
    }
    QStringList telling;
    for (auto it = soorten.cbegin(); it != soorten.cend(); ++it)
        telling << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo().noquote() << "seed" << zaad << "walked" << stappen << "events:" << telling.join(", ");
}

QTEST_MAIN(TstAap)
#include "tst_aap.moc"
