// Reaction time of our handlers, in process: the main window is shown and active, and each
// handler call is timed on its own, with Qt's repaint left to the event loop between calls.
// Prints one line per action: "reactie NAME MEDIAN_NS P90_NS MAX_NS".

#include "Gebeurtenissen.h"
#include "Unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

template <class T> T* Zoek(const QWidget& venster, const QString& naam) {
    auto* w = venster.findChild<T*>(naam);
    if (!w) {
        std::fprintf(stderr, "bench_reactie: no control named %s\n", qPrintable(naam));
        std::exit(2);
    }
    return w;
}

void LaatQtWerken() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

// Times `actie` n times; `voorbereiding` runs before each call and `controle` after it, both
// outside the timed region. A failed check ends the program: a figure for an action that did
// not happen would be worthless.
void Meet(const char* naam, int n, const std::function<void(int)>& voorbereiding,
          const std::function<void()>& actie, const std::function<bool(int)>& controle) {
    std::vector<long long> tijden;
    tijden.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        voorbereiding(i);
        LaatQtWerken();
        const auto begin = std::chrono::steady_clock::now();
        actie();
        const auto eind = std::chrono::steady_clock::now();
        tijden.push_back(
            std::chrono::duration_cast<std::chrono::nanoseconds>(eind - begin).count());
        if (!controle(i)) {
            std::fprintf(stderr, "bench_reactie: %s did not have its effect\n", naam);
            std::exit(2);
        }
        LaatQtWerken();
    }
    std::sort(tijden.begin(), tijden.end());
    const auto op = [&](double fractie) {
        return tijden[static_cast<std::size_t>(fractie * static_cast<double>(tijden.size() - 1))];
    };
    std::printf("reactie %s %lld %lld %lld\n", naam, op(0.5), op(0.9), tijden.back());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QApplication app(argc, argv);
    const TTooltipPauze tooltips(5000);
    TForm1 venster;
    venster.show();
    venster.activateWindow();
    QElapsedTimer wacht;
    wacht.start();
    while (!venster.isActiveWindow() && wacht.elapsed() < 10000)
        LaatQtWerken();
    if (!venster.isActiveWindow()) {
        std::fprintf(stderr, "bench_reactie: the main window did not become active\n");
        return 2;
    }
    LaatQtWerken();

    auto rij = [&](int k, const char* deel) {
        return QStringLiteral("Oef%1%2").arg(k).arg(QLatin1String(deel));
    };
    // Half of the answers right, the others wrong or not a number.
    auto vulAntwoorden = [&](int) {
        for (int k = 1; k <= 10; ++k) {
            const long long v = Zoek<QLabel>(venster, rij(k, "Term1"))->text().toLongLong();
            const long long t = Zoek<QLabel>(venster, rij(k, "Term2"))->text().toLongLong();
            const QString antwoord = k % 2   ? QString::number(v * t)
                                     : k % 4 ? QStringLiteral("-1,5")
                                             : QStringLiteral("abc");
            Zoek<QLineEdit>(venster, rij(k, "Result"))->setText(antwoord);
        }
    };
    auto tekst = [&](const QString& naam) { return Zoek<QLabel>(venster, naam)->text(); };
    Meet(
        "CONTROLEER", n, vulAntwoorden, [&] { venster.KontroleerClick(); },
        [&](int) {
            return tekst(rij(1, "Kontrol")) == QStringLiteral("GOED") &&
                   tekst(rij(2, "Kontrol")) == QStringLiteral("FOUT");
        });
    Meet(
        "VOLGENDE_OEFENING", n, vulAntwoorden, [&] { venster.VolgendeOefeningClick(); },
        [&](int i) { return tekst(QStringLiteral("Reeksteller")) == QString::number(i + 2); });

    // A sign option clicked: "Enkel negatief" and "Enkel positief" by turns.
    auto* negatief = Zoek<QCheckBox>(venster, QStringLiteral("Negatief"));
    auto* positief = Zoek<QCheckBox>(venster, QStringLiteral("Positief"));
    QCheckBox* volgende = negatief;
    Meet(
        "instelling_teken", n, [&](int i) { volgende = i % 2 ? positief : negatief; },
        [&] { volgende->click(); },
        [&](int i) { return tekst(rij(1, "Term1")).startsWith(u'-') == (i % 2 == 0); });

    // A new highest table typed and confirmed with Enter: the field restores or keeps the text,
    // the focus goes back to the first answer, a new series and a new set are drawn.
    auto* maxTafel = Zoek<QLineEdit>(venster, QStringLiteral("MaxTerm1"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    Meet(
        "instelling_max_tafel", n,
        [&](int i) {
            venster.MaxTerm1Click();
            maxTafel->setText(i % 2 ? QStringLiteral("10") : QStringLiteral("9"));
        },
        [&] { QCoreApplication::sendEvent(maxTafel, &enter); },
        [&](int i) {
            return tekst(rij(1, "Term2")) == (i % 2 ? QStringLiteral("10") : QStringLiteral("9"));
        });
    return 0;
}
