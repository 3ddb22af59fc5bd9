// The series standing: checks never count twice, moving on commits the points.
#include "ReeksStand.h"

#include <QTest>

class TstReeksStand : public QObject {
    Q_OBJECT
private slots:
    void verloop_data();
    void verloop();
};

// Each step is a letter: c<n> = Controle(n), v = Volgende, o<n> = Onbeantwoord(n), b = Begin.
void TstReeksStand::verloop_data() {
    QTest::addColumn<QString>("stappen");
    QTest::addColumn<QList<int>>("stand"); // series number, points, committed, maximum
    QTest::newRow("after Begin") << "" << QList<int>{1, 0, 0, 10};
    QTest::newRow("checking twice counts once") << "c7 c9" << QList<int>{1, 9, 0, 10};
    QTest::newRow("commit then check") << "c7 v c10" << QList<int>{2, 17, 7, 20};
    QTest::newRow("moving on without checks") << "v v v" << QList<int>{4, 0, 0, 40};
    QTest::newRow("unreached rows in set 3") << "c10 v c8 v c3 o4" << QList<int>{3, 21, 18, 26};
    QTest::newRow("a new series forgets all") << "c7 v c5 b" << QList<int>{1, 0, 0, 10};
}

void TstReeksStand::verloop() {
    QFETCH(QString, stappen);
    QFETCH(QList<int>, stand);
    TReeksStand r;
    for (const auto& stap : stappen.split(' ', Qt::SkipEmptyParts)) {
        const int n = stap.mid(1).toInt();
        switch (stap[0].toLatin1()) {
        case 'c':
            r.Controle(n);
            break;
        case 'v':
            r.Volgende();
            break;
        case 'o':
            r.Onbeantwoord(n);
            break;
        case 'b':
            r.Begin();
            break;
        default:
            QFAIL("unknown step");
        }
    }
    QCOMPARE((QList<int>{r.ReeksNummer(), r.Punten(), r.VastePunten(), r.MaxPunten()}), stand);
}

QTEST_APPLESS_MAIN(TstReeksStand)
#include "tst_reeksstand.moc"
