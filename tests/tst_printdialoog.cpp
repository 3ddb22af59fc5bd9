// The print dialog: its controls and defaults, what OK and Cancel write into the print request,
// and the main window that it keeps disabled while it is open.
#include "Opmaak.h"
#include "Print1.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

// What the tests use as the main window: a window with an edit field in it.
struct THoofdvenster {
    THoofdvenster() {
        venster = std::make_unique<QWidget>();
        venster->resize(400, 300);
        invoer = new QLineEdit(venster.get());
        invoer->setObjectName(QStringLiteral("invoer"));
        invoer->setGeometry(10, 10, 200, 24);
        venster->show();
        venster->activateWindow();
        QCoreApplication::processEvents();
    }
    std::unique_ptr<QWidget> venster;
    QLineEdit* invoer;
};

template <typename T> T* Zoek(QWidget* dialoog, const char* naam) {
    return dialoog->findChild<T*>(QLatin1String(naam));
}

// Deletes what closed dialogs left for deletion.
void RuimOp() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

class TstPrintDialoog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void opbouw_data();
    void opbouw();
    void venster();
    void actief();
    void ok_data();
    void ok();
    void annuleren_data();
    void annuleren();
    void elkeKeerDeBeginwaarden();
    void hoofdvensterWeg();

private:
    // Opens a dialog over the main window as the printer picture does, and lets it activate.
    QPointer<TPrintDialoog1> Open(TPrintVerzoek& verzoek, QWidget* hoofdvenster);
};

void TstPrintDialoog::initTestCase() { ZetLettertypeVervangers(); }

void TstPrintDialoog::cleanup() {
    for (auto* w : QApplication::topLevelWidgets())
        if (qobject_cast<TPrintDialoog1*>(w)) delete w;
    RuimOp();
}

QPointer<TPrintDialoog1> TstPrintDialoog::Open(TPrintVerzoek& verzoek, QWidget* hoofdvenster) {
    QPointer<TPrintDialoog1> dialoog = new TPrintDialoog1(verzoek, hoofdvenster);
    dialoog->show();
    QCoreApplication::processEvents();
    return dialoog;
}

void TstPrintDialoog::opbouw_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QRect>("plaats");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("vet");
    QTest::newRow("Panel1") << "Panel1" << QRect(31, 39, 597, 249) << "" << 11 << false;
    QTest::newRow("Label1") << "Label1" << QRect(104, 24, -1, -1)
                            << "Printen van een schriftelijke oefening" << 19 << true;
    QTest::newRow("Edit1") << "Edit1" << QRect(16, 96, 553, 28) << "Oefening" << 16 << true;
    QTest::newRow("CheckBox1") << "CheckBox1" << QRect(16, 144, 309, 17)
                               << "Extra blad met oplossingen printen :" << 16 << true;
    QTest::newRow("OKKnop") << "OKKnop" << QRect(160, 199, 81, 25) << "OK" << 11 << false;
    QTest::newRow("CancelKnop") << "CancelKnop" << QRect(373, 200, 81, 25) << "Cancel" << 11
                                << false;
}

void TstPrintDialoog::opbouw() {
    QFETCH(QString, naam);
    QFETCH(QRect, plaats);
    QFETCH(QString, tekst);
    QFETCH(int, pixels);
    QFETCH(bool, vet);
    THoofdvenster hoofd;
    TPrintVerzoek verzoek;
    const auto dialoog = Open(verzoek, hoofd.venster.get());
    auto* w = dialoog->findChild<QWidget*>(naam);
    QVERIFY(w);
    QCOMPARE(w->pos(), plaats.topLeft());
    if (plaats.width() > 0) QCOMPARE(w->size(), plaats.size());
    QCOMPARE(w->font().pixelSize(), pixels);
    QCOMPARE(w->font().bold(), vet);
    if (auto* l = qobject_cast<QLabel*>(w)) QCOMPARE(l->text(), tekst);
    if (auto* e = qobject_cast<QLineEdit*>(w)) QCOMPARE(e->text(), tekst);
    if (auto* k = qobject_cast<QAbstractButton*>(w)) QCOMPARE(k->text(), tekst);
    if (naam != "Panel1") QCOMPARE(w->parentWidget()->objectName(), QStringLiteral("Panel1"));
}

// Frameless, on top, centred, green, and the state of its controls.
void TstPrintDialoog::venster() {
    THoofdvenster hoofd;
    TPrintVerzoek verzoek;
    const auto dialoog = Open(verzoek, hoofd.venster.get());
    QVERIFY(dialoog->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(dialoog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialoog->size(), QSize(658, 333));
    QCOMPARE(dialoog->geometry().center(), dialoog->screen()->geometry().center());
    QCOMPARE(dialoog->palette().color(QPalette::Window), QColor(0, 128, 0));
    QCOMPARE(dialoog->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(dialoog->font().pixelSize(), 11);
    QCOMPARE(dialoog->cursor().shape(), Qt::ForbiddenCursor);
    QCOMPARE(Zoek<QWidget>(dialoog, "Panel1")->cursor().shape(), Qt::ArrowCursor);
    const auto* label = Zoek<QLabel>(dialoog, "Label1");
    QVERIFY(label->font().underline());
    QVERIFY(!Zoek<QCheckBox>(dialoog, "CheckBox1")->isChecked());
    // The caption lies left of the box.
    QCOMPARE(Zoek<QCheckBox>(dialoog, "CheckBox1")->layoutDirection(), Qt::RightToLeft);
    QVERIFY(Zoek<QPushButton>(dialoog, "OKKnop")->isDefault());
    for (const char* knop : {"OKKnop", "CancelKnop"}) {
        const QImage plaatje = Zoek<QPushButton>(dialoog, knop)->icon().pixmap(16).toImage();
        QVERIFY(!plaatje.isNull());
        int getekend = 0;
        for (int y = 0; y < plaatje.height(); ++y)
            for (int x = 0; x < plaatje.width(); ++x)
                getekend += plaatje.pixelColor(x, y).alpha() > 0;
        QVERIFY(getekend > 10);
    }
    QCOMPARE(dialoog->windowHandle()->transientParent(), hoofd.venster->windowHandle());
}

// Becoming active: the request is marked not ready and takes the title, the main window is
// disabled and takes no input, the dialog itself stays usable.
void TstPrintDialoog::actief() {
    THoofdvenster hoofd;
    TPrintVerzoek verzoek{"oud", true, false, true};
    const auto dialoog = Open(verzoek, hoofd.venster.get());
    QVERIFY(dialoog->isActiveWindow());
    QCOMPARE(QApplication::activeModalWidget(), dialoog.data());
    QCOMPARE(verzoek.Klaar, false);
    QCOMPARE(verzoek.Titel, std::string("Oefening"));
    QVERIFY(!hoofd.venster->isEnabled());
    QVERIFY(dialoog->isEnabled());

    QTest::mouseClick(hoofd.invoer, Qt::LeftButton);
    QTest::keyClicks(hoofd.invoer, "abc");
    QCOMPARE(hoofd.invoer->text(), QString());
    QVERIFY(!hoofd.invoer->hasFocus());
    QVERIFY(dialoog->isActiveWindow());
}

void TstPrintDialoog::ok_data() {
    QTest::addColumn<bool>("metEnter");
    QTest::addColumn<bool>("oplossingen");
    QTest::newRow("Enter, no solutions") << true << false;
    QTest::newRow("Enter, solutions") << true << true;
    QTest::newRow("click, solutions") << false << true;
    QTest::newRow("click, no solutions") << false << false;
}

void TstPrintDialoog::ok() {
    QFETCH(bool, metEnter);
    QFETCH(bool, oplossingen);
    THoofdvenster hoofd;
    TPrintVerzoek verzoek{"", false, true, !oplossingen};
    const auto dialoog = Open(verzoek, hoofd.venster.get());
    auto* edit = Zoek<QLineEdit>(dialoog, "Edit1");
    edit->selectAll();
    QTest::keyClicks(edit, "Tafel van 7 ");
    edit->insert(QStringLiteral("– één")); // typed keys are Latin-1 only
    if (oplossingen) QTest::mouseClick(Zoek<QCheckBox>(dialoog, "CheckBox1"), Qt::LeftButton);
    QCOMPARE(Zoek<QCheckBox>(dialoog, "CheckBox1")->isChecked(), oplossingen);
    QVERIFY(!hoofd.venster->isEnabled());
    if (metEnter) {
        QTest::keyClick(edit, Qt::Key_Return);
    } else {
        QTest::mouseClick(Zoek<QPushButton>(dialoog, "OKKnop"), Qt::LeftButton);
    }

    QCOMPARE(verzoek.Titel, std::string("Tafel van 7 – één"));
    QCOMPARE(verzoek.Klaar, true);
    QCOMPARE(verzoek.Geannuleerd, false);
    QCOMPARE(verzoek.Oplossingen, oplossingen);
    QVERIFY(hoofd.venster->isEnabled());
    QVERIFY(!dialoog->isVisible());
    QCoreApplication::processEvents();
    RuimOp();
    QVERIFY(dialoog.isNull());
    QCOMPARE(QApplication::activeWindow(), hoofd.venster.get());
    QVERIFY(!QApplication::activeModalWidget());
}

// Esc, the Cancel button and every other way of closing: Cancel. Only Geannuleerd and Klaar are
// written.
void TstPrintDialoog::annuleren_data() {
    QTest::addColumn<int>("hoe");
    QTest::newRow("Escape") << 0;
    QTest::newRow("Cancel button") << 1;
    QTest::newRow("Enter on the focused Cancel button") << 2;
    QTest::newRow("closed by the window system") << 3;
    QTest::newRow("destroyed") << 4;
}

void TstPrintDialoog::annuleren() {
    QFETCH(int, hoe);
    THoofdvenster hoofd;
    TPrintVerzoek verzoek{"", false, false, true};
    const auto dialoog = Open(verzoek, hoofd.venster.get());
    auto* edit = Zoek<QLineEdit>(dialoog, "Edit1");
    QTest::keyClicks(edit, "X");
    QTest::mouseClick(Zoek<QCheckBox>(dialoog, "CheckBox1"), Qt::LeftButton);
    auto* cancel = Zoek<QPushButton>(dialoog, "CancelKnop");
    switch (hoe) {
    case 0:
        QTest::keyClick(edit, Qt::Key_Escape);
        break;
    case 1:
        QTest::mouseClick(cancel, Qt::LeftButton);
        break;
    case 2:
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        break;
    case 3:
        QVERIFY(dialoog->close());
        break;
    case 4:
        delete dialoog.data();
        break;
    }
    QCOMPARE(verzoek.Geannuleerd, true);
    QCOMPARE(verzoek.Klaar, true);
    QCOMPARE(verzoek.Titel, std::string("Oefening")); // as read at activation
    QCOMPARE(verzoek.Oplossingen, true);              // untouched
    QVERIFY(hoofd.venster->isEnabled());
    RuimOp();
    QVERIFY(dialoog.isNull());
}

void TstPrintDialoog::elkeKeerDeBeginwaarden() {
    THoofdvenster hoofd;
    TPrintVerzoek verzoek;
    auto dialoog = Open(verzoek, hoofd.venster.get());
    Zoek<QLineEdit>(dialoog, "Edit1")->setText(QStringLiteral("Anders"));
    QTest::mouseClick(Zoek<QCheckBox>(dialoog, "CheckBox1"), Qt::LeftButton);
    QTest::keyClick(Zoek<QLineEdit>(dialoog, "Edit1"), Qt::Key_Enter);
    QCOMPARE(verzoek.Titel, std::string("Anders"));
    RuimOp();
    dialoog = Open(verzoek, hoofd.venster.get());
    QCOMPARE(Zoek<QLineEdit>(dialoog, "Edit1")->text(), QStringLiteral("Oefening"));
    QVERIFY(!Zoek<QCheckBox>(dialoog, "CheckBox1")->isChecked());
    QCOMPARE(verzoek.Titel, std::string("Oefening"));
}

// The request lives in the main window: once that is gone the dialog closes without touching it.
void TstPrintDialoog::hoofdvensterWeg() {
    auto hoofd = std::make_unique<THoofdvenster>();
    auto verzoek = std::make_unique<TPrintVerzoek>();
    const auto dialoog = Open(*verzoek, hoofd->venster.get());
    hoofd.reset();
    verzoek.reset();
    QVERIFY(!dialoog.isNull() && !dialoog->isVisible());
    RuimOp();
    QVERIFY(dialoog.isNull());
}

QTEST_MAIN(TstPrintDialoog)
#include "tst_printdialoog.moc"
