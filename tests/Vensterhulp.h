#pragma once
// Driving the real main window in tests the way a pupil would: controls found by name, mouse
// clicks and keys through QTest, and the application losing and regaining the focus.

#include "Unit1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <qpa/qwindowsysteminterface.h>

#include <memory>

namespace Hulp {

template <class T = QWidget> T* Zoek(const QWidget& venster, const QString& naam) {
    auto* w = venster.findChild<T*>(naam);
    if (!w) qFatal("no control named %s", qPrintable(naam));
    return w;
}

inline QString Rij(int k, const char* deel) {
    return QStringLiteral("Oef%1%2").arg(k).arg(QLatin1String(deel));
}

inline void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// A press inside the control released outside it: the focus arrives, no click happens.
inline void DrukZonderKlik(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(-5, -5));
}

// Types any text, also characters that have no key of their own.
inline void Typ(QWidget* w, const QString& tekst) {
    for (const QChar c : tekst) {
        if (c.unicode() >= 32 && c.unicode() < 127)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
inline void Enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }

// Another program takes the focus, and later gives it back.
inline void AnderProgramma() {
    QWindowSystemInterface::handleWindowActivated(nullptr);
    QWindowSystemInterface::handleApplicationStateChanged(Qt::ApplicationInactive);
    QWindowSystemInterface::flushWindowSystemEvents();
}
inline void TerugNaar(QWidget& venster) {
    QWindowSystemInterface::handleApplicationStateChanged(Qt::ApplicationActive);
    QWindowSystemInterface::handleWindowActivated(venster.windowHandle());
    QWindowSystemInterface::flushWindowSystemEvents();
}

// A shown, active main window, as the pupil finds it after start-up.
inline std::unique_ptr<TForm1> Start() {
    auto venster = std::make_unique<TForm1>();
    venster->show();
    venster->activateWindow();
    if (!QTest::qWaitForWindowActive(venster.get())) qFatal("the main window did not activate");
    return venster;
}

inline QString Tekst(const QWidget& venster, const QString& naam) {
    const QWidget* w = Zoek(venster, naam);
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* t = qobject_cast<const QTextEdit*>(w)) return t->toPlainText();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    qFatal("no text in %s", qPrintable(naam));
}

// The ten exercises on screen, as "multiplier x table".
inline QStringList Oefeningen(const QWidget& venster) {
    QStringList lijst;
    for (int k = 1; k <= 10; ++k)
        lijst << Tekst(venster, Rij(k, "Term1")) + " x " + Tekst(venster, Rij(k, "Term2"));
    return lijst;
}

inline QString Product(const QWidget& venster, int k) {
    const qlonglong v = Tekst(venster, Rij(k, "Term1")).toLongLong();
    const qlonglong t = Tekst(venster, Rij(k, "Term2")).toLongLong();
    return QString::number(v * t);
}

// Types the right product into rows 1..goed and a wrong one into the rest, by keyboard alone.
inline void Beantwoord(QWidget& venster, int goed) {
    Klik(Zoek(venster, Rij(1, "Result")));
    for (int k = 1; k <= 10; ++k) {
        QWidget* veld = QApplication::focusWidget();
        Typ(veld, k <= goed ? Product(venster, k) : QStringLiteral("-1,5"));
        Enter(veld);
    }
}

} // namespace Hulp
