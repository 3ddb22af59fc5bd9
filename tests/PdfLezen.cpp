#include "PdfLezen.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString PdfToText(const QString& soort, const QString& pad) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {soort, pad, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

QString PdfTekst(const QString& pad) { return PdfToText(QStringLiteral("-raw"), pad); }

double WoordHoogte(const QString& pad, const QString& woord) {
    const QRegularExpression vak(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*yMax=\"([0-9.]+)\">%1<")
                                     .arg(QRegularExpression::escape(woord)));
    const auto m = vak.match(PdfToText(QStringLiteral("-bbox"), pad));
    return m.hasMatch() ? m.captured(2).toDouble() - m.captured(1).toDouble() : -1;
}

int PdfPaginas(const QString& tekst) { return int(tekst.count(u'\f')); }

QList<TGelezenOefening> GelezenOefeningen(const QString& tekst) {
    // Each printed line holds record i on the left and record i + 20 on the right.
    static const QRegularExpression oefening(QStringLiteral("([-+]?\\d+) x ([-+]?\\d+) = (\\S+)"));
    QList<TGelezenOefening> links, rechts;
    for (const auto& lijn : tekst.split(u'\n')) {
        auto gevonden = oefening.globalMatch(lijn);
        for (int kant = 0; gevonden.hasNext(); ++kant) {
            const auto m = gevonden.next();
            (kant == 0 ? links : rechts)
                << TGelezenOefening{m.captured(1), m.captured(2), m.captured(3)};
        }
    }
    return links + rechts;
}

namespace {

QString ControleerKop(const QString& tekst, const QString& titel) {
    if (PdfPaginas(tekst) != 1)
        return QStringLiteral("%1 pages instead of 1").arg(PdfPaginas(tekst));
    if (!tekst.startsWith(titel + u'\n')) return QStringLiteral("title missing");
    return {};
}

} // namespace

QString ControleerOefenblad(const QString& tekst, const QString& titel) {
    if (auto fout = ControleerKop(tekst, titel); !fout.isEmpty()) return fout;
    static const QRegularExpression naam(QStringLiteral("^Naam :((?: \\.)+)$"),
                                         QRegularExpression::MultilineOption);
    const auto m = naam.match(tekst);
    if (!m.hasMatch() || m.captured(1).count(u'.') != 85) return QStringLiteral("name line wrong");
    const auto oefeningen = GelezenOefeningen(tekst);
    if (oefeningen.size() != 40)
        return QStringLiteral("%1 exercises instead of 40").arg(oefeningen.size());
    for (const auto& o : oefeningen)
        if (o.Antwoord != QStringLiteral(".")) return QStringLiteral("an answer filled in");
    if (!tekst.contains(QStringLiteral("\nPunten :"))) return QStringLiteral("points line missing");
    if (tekst.contains(QStringLiteral("Oplossingen"))) return QStringLiteral("solutions header");
    return {};
}

QString ControleerOplossingen(const QString& tekst, const QString& titel,
                              const QList<TGelezenOefening>& oefeningen) {
    if (auto fout = ControleerKop(tekst, titel); !fout.isEmpty()) return fout;
    if (!tekst.contains(QStringLiteral("\nOplossingen.")))
        return QStringLiteral("solutions header missing");
    if (tekst.contains(QStringLiteral("Naam")) || tekst.contains(QStringLiteral("Punten")))
        return QStringLiteral("name or points line on the solutions page");
    const auto gelezen = GelezenOefeningen(tekst);
    if (gelezen.size() != oefeningen.size())
        return QStringLiteral("%1 exercises instead of %2")
            .arg(gelezen.size())
            .arg(oefeningen.size());
    for (qsizetype i = 0; i < gelezen.size(); ++i) {
        const auto& g = gelezen[i];
        if (g.Vermenigvuldiger != oefeningen[i].Vermenigvuldiger || g.Tafel != oefeningen[i].Tafel)
            return QStringLiteral("record %1 differs from the exercise page").arg(i + 1);
        const auto product = g.Vermenigvuldiger.toLongLong() * g.Tafel.toLongLong();
        if (g.Antwoord != QString::number(product))
            return QStringLiteral("record %1: %2 x %3 = %4")
                .arg(i + 1)
                .arg(g.Vermenigvuldiger, g.Tafel, g.Antwoord);
    }
    return {};
}
