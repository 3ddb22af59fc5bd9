#include "Opmaak.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <qdrawutil.h>

namespace {

// The fonts the window names, and the metric-compatible families Debian ships in their place.
struct TVervanger {
    const char* naam;
    const char* vervanger;
};
constexpr TVervanger vervangers[] = {
    {"MS Sans Serif", "Liberation Sans"},    {"Arial", "Liberation Sans"},
    {"Arial Unicode MS", "Liberation Sans"}, {"@Arial Unicode MS", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
};

} // namespace

void ZetLettertypeVervangers() {
    for (const auto& v : vervangers)
        QFont::insertSubstitution(QLatin1String(v.naam), QLatin1String(v.vervanger));
}

QFont Lettertype(const QString& familie, int pixels, int stijl) {
    // Asked for by its installed name, a font costs Qt no failed lookup and no fallback search, and
    // the names that map onto one family share its font engines: that halves the start-up
    // cost of the window's fonts.
    QString naam = familie;
    for (const auto& v : vervangers)
        if (familie == QLatin1String(v.naam)) naam = QLatin1String(v.vervanger);
    QFont f(naam);
    f.setPixelSize(pixels);
    f.setBold(stijl & Vet);
    f.setItalic(stijl & Cursief);
    f.setUnderline(stijl & Onderstreept);
    return f;
}

void ZetTekstKleur(QWidget* w, const QColor& kleur) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, kleur);
    p.setColor(QPalette::ButtonText, kleur);
    // An edit field's text; check marks keep the style's own colour.
    if (w->inherits("QLineEdit")) p.setColor(QPalette::Text, kleur);
    w->setPalette(p);
}

void ZetAchtergrond(QWidget* w, const QColor& kleur) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kleur);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

TPaneel::TPaneel(QWidget* ouder, const QString& naam, QRect plaats, const QColor& achtergrond,
                 bool rand, Bevel binnen, int bevelBreedte, int binnenRand)
    : QFrame(ouder), rand_(rand), binnen_(binnen), bevelBreedte_(bevelBreedte),
      binnenRand_(binnenRand) {
    setObjectName(naam);
    setGeometry(plaats);
    ZetAchtergrond(this, achtergrond);
}

void TPaneel::paintEvent(QPaintEvent* e) {
    // Border and bevel lie along the edges. A repaint inside them, such as the caret blinking in a
    // field on the panel, has nothing of ours to draw: skipping it keeps an idle window as cheap as
    // a bare one.
    const int lijn = binnen_ != Bevel::Geen && bevelBreedte_ > 0 ? (bevelBreedte_ > 2 ? 2 : 1) : 0;
    const int rand = (rand_ ? 1 : 0) + binnenRand_ + lijn;
    if (titel_.isEmpty() && rect().adjusted(rand, rand, -rand, -rand).contains(e->rect())) return;

    QPainter p(this);
    QRect r = rect();
    if (!titel_.isEmpty()) p.drawText(r, Qt::AlignCenter, titel_);
    if (rand_) {
        p.setPen(Kleur::Zwart);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    // The bevel sits inside the inner border; both use the palette's light and dark shades.
    r.adjust(binnenRand_, binnenRand_, -binnenRand_, -binnenRand_);
    if (binnen_ != Bevel::Geen && bevelBreedte_ > 0)
        qDrawShadePanel(&p, r, palette(), binnen_ == Bevel::Verlaagd, lijn);
}

QLabel* MaakLabel(QWidget* ouder, const QString& naam, QPoint plaats, const QString& tekst) {
    auto* l = new QLabel(tekst, ouder);
    l->setObjectName(naam);
    l->move(plaats);
    l->adjustSize();
    return l;
}

QLabel* MaakLabel(QWidget* ouder, const QString& naam, QRect plaats, const QString& tekst,
                  Qt::Alignment uitlijning) {
    auto* l = new QLabel(tekst, ouder);
    l->setObjectName(naam);
    l->setGeometry(plaats);
    l->setAlignment(uitlijning);
    return l;
}

QLineEdit* MaakVeld(QWidget* ouder, const QString& naam, QRect plaats, const QString& tekst,
                    int maxLengte) {
    auto* e = new QLineEdit(ouder);
    e->setObjectName(naam);
    e->setGeometry(plaats);
    e->setMaxLength(maxLengte);
    e->setText(tekst);
    e->setFrame(true);
    e->setTextMargins(0, 0, 0, 0);
    e->setContextMenuPolicy(Qt::DefaultContextMenu);
    return e;
}

QCheckBox* MaakVinkje(QWidget* ouder, const QString& naam, QRect plaats, const QString& tekst,
                      bool aan, bool tekstLinks) {
    auto* c = new QCheckBox(tekst, ouder);
    c->setObjectName(naam);
    c->setGeometry(plaats);
    c->setChecked(aan);
    if (tekstLinks) c->setLayoutDirection(Qt::RightToLeft);
    return c;
}

QPushButton* MaakKnop(QWidget* ouder, const QString& naam, QRect plaats, const QString& tekst) {
    auto* k = new QPushButton(tekst, ouder);
    k->setObjectName(naam);
    k->setGeometry(plaats);
    k->setAutoDefault(false);
    return k;
}

QWidget* MaakBeeld(QWidget* ouder, const QString& naam, QRect plaats, const QString& bestand) {
    auto* b = new QSvgWidget(bestand, ouder);
    b->setObjectName(naam);
    b->setGeometry(plaats);
    return b;
}

QIcon SvgIcoon(const QString& bestand, QSize maat) {
    const qreal schaal = qApp->devicePixelRatio();
    QPixmap beeld(maat * schaal);
    beeld.setDevicePixelRatio(schaal);
    beeld.fill(Qt::transparent);
    QSvgRenderer tekenaar(bestand);
    QPainter p(&beeld);
    tekenaar.render(&p, QRectF(QPointF(0, 0), QSizeF(maat)));
    p.end();
    return QIcon(beeld);
}
