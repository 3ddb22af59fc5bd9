#pragma once
// What the two start-up programs share, so that our window and the bare one are measured alike:
// the moment the first activation has been painted, the count of widgets by kind, the timers
// that fire while the window is left alone, and the end of an idle run (stdin closed).

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace Meting {

inline long long MonotoonNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

// The kind of a widget: the first class of its ancestry that the comparison counts.
inline QString Soort(const QWidget* w) {
    static const QStringList soorten{
        QStringLiteral("QSvgWidget"), QStringLiteral("QTextEdit"),   QStringLiteral("QLineEdit"),
        QStringLiteral("QCheckBox"),  QStringLiteral("QPushButton"), QStringLiteral("QGroupBox"),
        QStringLiteral("QLabel"),     QStringLiteral("QScrollBar"),  QStringLiteral("QFrame")};
    for (const QMetaObject* m = w->metaObject(); m; m = m->superClass())
        if (const QString naam = QLatin1String(m->className()); soorten.contains(naam)) return naam;
    return QStringLiteral("QWidget");
}

// "QCheckBox 6/6 QLabel 58/74 ...": per kind, how many are visible and how many exist, counting
// the window itself and the parts that Qt adds inside composite widgets.
inline QString Telling(const QWidget& venster) {
    QMap<QString, std::pair<int, int>> tal;
    auto tel = [&](const QWidget* w) {
        auto& [zichtbaar, totaal] = tal[Soort(w)];
        ++totaal;
        if (w == &venster || w->isVisibleTo(&venster)) ++zichtbaar;
    };
    tel(&venster);
    for (const QWidget* w : venster.findChildren<QWidget*>())
        tel(w);
    QStringList delen;
    for (auto it = tal.cbegin(); it != tal.cend(); ++it)
        delen << QStringLiteral("%1 %2/%3").arg(it.key()).arg(it->first).arg(it->second);
    return delen.join(QLatin1Char(' '));
}

// Watches the window from start to end. Start mode: reports the monotonic time and the widget
// count, then quits, right after the first repaint that follows the window's activation with
// the exercises drawn. Idle mode: reports the same, then keeps running until stdin is closed,
// counting every timer that fires on the way, and reports those at the end.
class TMeter : public QObject {
public:
    TMeter(QWidget& venster_, std::function<bool()> gevuld_, bool blijven_)
        : venster(venster_), gevuld(std::move(gevuld_)), blijven(blijven_) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* doel, QEvent* e) override {
        switch (e->type()) {
        case QEvent::WindowActivate:
            if (doel == &venster) geactiveerd = true;
            break;
        case QEvent::Paint:
            if (!gemeld && geactiveerd && doel->isWidgetType() &&
                static_cast<QWidget*>(doel)->window() == &venster && gevuld()) {
                gemeld = true;
                // Queued: it runs once this whole repaint pass has been painted and flushed.
                QMetaObject::invokeMethod(this, &TMeter::Gereed, Qt::QueuedConnection);
            }
            break;
        case QEvent::Timer:
            // Named once per object: counting must cost next to nothing.
            if (rustStart) {
                auto it = timers.find(doel);
                if (it == timers.end()) it = timers.insert(doel, {Naam(doel), 0});
                ++it->aantal;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    static QString Naam(const QObject* o) {
        QString naam = QLatin1String(o->metaObject()->className());
        if (!o->objectName().isEmpty()) naam += u'(' + o->objectName() + u')';
        if (const QObject* ouder = o->parent()) {
            naam += QLatin1Char('<') + QLatin1String(ouder->metaObject()->className());
            if (!ouder->objectName().isEmpty()) naam += u'(' + ouder->objectName() + u')';
        }
        return naam;
    }

    void Gereed() {
        // Round trip to the X server: the pixels are in its frame buffer, not only in our queue.
        QGuiApplication::sync();
        std::printf("gereed %lld\ntelling %s\n", MonotoonNs(), qPrintable(Telling(venster)));
        std::fflush(stdout);
        if (!blijven) {
            QCoreApplication::quit();
            return;
        }
        rustStart = true;
        einde = new QSocketNotifier(0, QSocketNotifier::Read, this);
        connect(einde, &QSocketNotifier::activated, this, [this] {
            char buffer[64];
            if (read(0, buffer, sizeof buffer) > 0) return;
            einde->setEnabled(false);
            QMap<QString, int> perNaam;
            for (auto it = timers.cbegin(); it != timers.cend(); ++it)
                perNaam[it->naam] += it->aantal;
            QStringList delen;
            for (auto it = perNaam.cbegin(); it != perNaam.cend(); ++it)
                delen << QStringLiteral("%1=%2").arg(it.key()).arg(it.value());
            std::printf("timers %s\n", qPrintable(delen.join(QLatin1Char(' '))));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

    QWidget& venster;
    std::function<bool()> gevuld;
    bool blijven;
    bool geactiveerd = false;
    bool gemeld = false;
    bool rustStart = false;
    QSocketNotifier* einde = nullptr;
    struct TTeller {
        QString naam;
        int aantal;
    };
    QHash<const QObject*, TTeller> timers;
};

} // namespace Meting
