#pragma once
// Small helpers that build the window's controls one line each: parent, objectName, geometry,
// font and colours; the classic desktop colours; and a panel that draws its own bevels.

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QString>

class QLabel;
class QLineEdit;
class QCheckBox;
class QPushButton;
class QWidget;

// The classic desktop palette, for the system colours the window names.
namespace Kleur {
inline const QColor KnopSchaduw{128, 128, 128};    // button shadow
inline const QColor KnopTekst{0, 0, 0};            // button text
inline const QColor ActieveRand{192, 192, 192};    // active border
inline const QColor InactieveTitel{128, 128, 128}; // inactive caption
inline const QColor Bureaublad{58, 110, 165};      // desktop background
inline const QColor GrijzeTekst{128, 128, 128};    // grey text
inline const QColor Grijs{128, 128, 128};
inline const QColor Zilver{192, 192, 192};
inline const QColor Zwart{0, 0, 0};
inline const QColor Wit{255, 255, 255};
inline const QColor Geel{255, 255, 0};
inline const QColor Blauw{0, 0, 255};
inline const QColor Marine{0, 0, 128};
inline const QColor Kastanje{128, 0, 0};
inline const QColor Paars{128, 0, 128};
inline const QColor Groen{0, 128, 0};
inline const QColor Limoen{0, 255, 0};
inline const QColor Rood{255, 0, 0};
inline const QColor Blauwgroen{0, 128, 128}; // teal
} // namespace Kleur

// Maps the fonts the window names onto metric-compatible ones that Debian ships.
void ZetLettertypeVervangers();

enum TStijl { Gewoon = 0, Vet = 1, Cursief = 2, Onderstreept = 4 };
QFont Lettertype(const QString& familie, int pixels, int stijl);

void ZetTekstKleur(QWidget* w, const QColor& kleur);
void ZetAchtergrond(QWidget* w, const QColor& kleur);

// A panel with an optional single border, an inner bevel and a caption drawn behind its children.
class TPaneel : public QFrame {
public:
    enum class Bevel { Geen, Verhoogd, Verlaagd };
    TPaneel(QWidget* ouder, const QString& naam, QRect plaats, const QColor& achtergrond, bool rand,
            Bevel binnen, int bevelBreedte, int binnenRand = 0);
    void ZetTitel(const QString& titel) { titel_ = titel; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool rand_;
    Bevel binnen_;
    int bevelBreedte_, binnenRand_;
    QString titel_;
};

QLabel* MaakLabel(QWidget* ouder, const QString& naam, QPoint plaats, const QString& tekst);
QLabel* MaakLabel(QWidget* ouder, const QString& naam, QRect plaats, const QString& tekst,
                  Qt::Alignment uitlijning);
QLineEdit* MaakVeld(QWidget* ouder, const QString& naam, QRect plaats, const QString& tekst,
                    int maxLengte);
QCheckBox* MaakVinkje(QWidget* ouder, const QString& naam, QRect plaats, const QString& tekst,
                      bool aan, bool tekstLinks);
QPushButton* MaakKnop(QWidget* ouder, const QString& naam, QRect plaats, const QString& tekst);
QWidget* MaakBeeld(QWidget* ouder, const QString& naam, QRect plaats, const QString& bestand);
// An icon drawn once from one of our SVG pictures at the given size. Qt's own SVG icons would
// load an icon plugin at start-up and, for the window icon, draw the picture at four sizes.
QIcon SvgIcoon(const QString& bestand, QSize maat);
