#include "CupsServer.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

QString CupsdPad() {
    return QStandardPaths::findExecutable(QStringLiteral("cupsd"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

bool Schrijf(const QString& pad, const QString& tekst) {
    QFile f(pad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(tekst.toUtf8()) >= 0;
}

// The folder cups-pdf writes to for the user who prints: its "Out" setting, with ${HOME} and
// ${USER} filled in the way the backend fills them.
QString CupsPdfUitvoer() {
    QString uit = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        QTextStream in(&conf);
        while (!in.atEnd()) {
            const auto lijn = in.readLine().trimmed();
            if (lijn.startsWith(QStringLiteral("Out ")) || lijn.startsWith(QStringLiteral("Out\t")))
                uit = lijn.mid(4).trimmed();
        }
    }
    const passwd* gebruiker = getpwuid(geteuid());
    if (!gebruiker) return {};
    uit.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(gebruiker->pw_dir));
    uit.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(gebruiker->pw_name));
    return uit;
}

} // namespace

TCupsServer::TCupsServer() : map(QDir::tempPath() + QStringLiteral("/quorbel-cups-XXXXXX")) {}

TCupsServer::~TCupsServer() { Stop(); }

QString TCupsServer::Ontbreekt() {
    if (CupsdPad().isEmpty())
        return QStringLiteral("cupsd is not installed (Debian package cups); "
                              "scripts/setup installs it");
    if (geteuid() != 0)
        return QStringLiteral("the cups-pdf backend runs only under a print server started "
                              "by root; run the tests as root");
    return {};
}

bool TCupsServer::Start(QString* fout) {
    if (!map.isValid()) {
        *fout = QStringLiteral("no temporary folder");
        return false;
    }
    const QString m = map.path();
    // The filters run as user lp and must reach the spool below this folder.
    QFile::setPermissions(m, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                 QFileDevice::ExeOther);
    for (const char* sub : {"root", "spool", "spool/tmp", "cache", "state", "log", "pdf"})
        QDir(m).mkpath(QString::fromLatin1(sub));

    const QString socket = m + QStringLiteral("/cups.sock");
    Schrijf(m + QStringLiteral("/cups-files.conf"),
            QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                           "CacheDir %1/cache\nStateDir %1/state\nAccessLog %1/log/access_log\n"
                           "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                           "Printcap %1/printcap\nSystemGroup root\nUser lp\nGroup lp\n"
                           "PeerCred on\n")
                .arg(m));
    Schrijf(m + QStringLiteral("/cupsd.conf"),
            QStringLiteral("LogLevel info\nListen %1\nBrowsing No\nWebInterface No\n"
                           "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                           "  Allow all\n</Location>\n<Policy default>\n"
                           "  JobPrivateAccess all\n  JobPrivateValues none\n"
                           "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                           "  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                .arg(socket));
    // Job numbers of our own, so that the PDFs cups-pdf leaves in a shared folder are ours.
    const int eersteTaak = int(QRandomGenerator::global()->bounded(1000000, 1000000000));
    Schrijf(m + QStringLiteral("/cache/job.cache"),
            QStringLiteral("NextJobId %1\n").arg(eersteTaak));

    uitvoerMap = CupsPdfUitvoer();
    uitvoerMapBestond = QFileInfo::exists(uitvoerMap);

    omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QStringLiteral("CUPS_SERVER"), socket);

    cupsd = std::make_unique<QProcess>();
    cupsd->setProcessChannelMode(QProcess::MergedChannels);
    cupsd->setStandardOutputFile(m + QStringLiteral("/log/cupsd.out"));
    // Should the test process die, the kernel stops the server with it.
    cupsd->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd->start(CupsdPad(),
                 {QStringLiteral("-f"), QStringLiteral("-c"), m + QStringLiteral("/cupsd.conf"),
                  QStringLiteral("-s"), m + QStringLiteral("/cups-files.conf")});
    if (!cupsd->waitForStarted(10000)) {
        *fout = QStringLiteral("cupsd did not start: ") + cupsd->errorString();
        return false;
    }
    // The server logs when it listens; from then on it answers.
    if (!WachtOpLog([this] { return Log().contains(QStringLiteral("Listening to")); }, 15000) ||
        !Opdracht(QStringLiteral("lpstat"), {QStringLiteral("-r")}, nullptr, fout)) {
        QFile uit(m + QStringLiteral("/log/cupsd.out"));
        uit.open(QIODevice::ReadOnly);
        *fout = QStringLiteral("cupsd did not come up: ") + *fout +
                QString::fromLocal8Bit(uit.readAll()) + Log();
        return false;
    }

    // pdftocairo keeps the fonts readable for pdftotext; the cups-pdf log stays quiet.
    if (!Opdracht(QStringLiteral("lpadmin"),
                  {QStringLiteral("-p"), Wachtrij(), QStringLiteral("-E"), QStringLiteral("-v"),
                   QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
                   QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"), QStringLiteral("-o"),
                   QStringLiteral("pdftops-renderer-default=pdftocairo"), QStringLiteral("-o"),
                   QStringLiteral("LogType=1")},
                  nullptr, fout)) {
        return false;
    }
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    return true;
}

void TCupsServer::Stop() {
    if (!cupsd) return;
    // Take whatever the queue left in the shared output folder for our jobs, so that it goes
    // with the temporary folder.
    if (cupsd->state() == QProcess::Running)
        for (const int taak : Taken())
            PdfVanTaak(taak);
    if (cupsd->state() != QProcess::NotRunning) {
        cupsd->terminate();
        if (!cupsd->waitForFinished(10000)) {
            cupsd->kill();
            cupsd->waitForFinished(5000);
        }
    }
    cupsd.reset();
    if (!uitvoerMap.isEmpty() && !uitvoerMapBestond) QDir().rmdir(uitvoerMap);
    qunsetenv("CUPS_SERVER");
}

bool TCupsServer::WachtOpLog(const std::function<bool()>& klaar, int ms) {
    // Every step of the server and of a job writes to its log: each change is a moment to
    // look again.
    const QString logMap = map.path() + QStringLiteral("/log");
    const QString log = logMap + QStringLiteral("/error_log");
    QFileSystemWatcher wachter({logMap});
    QEventLoop lus;
    QTimer frist;
    frist.setSingleShot(true);
    QObject::connect(&wachter, &QFileSystemWatcher::directoryChanged, &lus, &QEventLoop::quit);
    QObject::connect(&wachter, &QFileSystemWatcher::fileChanged, &lus, &QEventLoop::quit);
    QObject::connect(&frist, &QTimer::timeout, &lus, &QEventLoop::quit);
    QObject::connect(cupsd.get(), &QProcess::finished, &lus, &QEventLoop::quit);
    frist.start(ms);
    for (;;) {
        if (!wachter.files().contains(log) && QFileInfo::exists(log)) wachter.addPath(log);
        if (klaar()) return true;
        if (!frist.isActive() || cupsd->state() != QProcess::Running) return false;
        lus.exec();
    }
}

bool TCupsServer::Opdracht(const QString& programma, const QStringList& argumenten,
                           QString* uitvoer, QString* fout) {
    QProcess p;
    p.setProcessEnvironment(omgeving);
    p.start(programma, argumenten);
    const bool gelukt =
        p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (uitvoer) *uitvoer = QString::fromLocal8Bit(p.readAllStandardOutput());
    if (!gelukt && fout)
        *fout = programma + QStringLiteral(" failed: ") + p.errorString() + u' ' +
                QString::fromLocal8Bit(p.readAllStandardError());
    return gelukt;
}

QList<int> TCupsServer::LeesTaken(const QString& welke) {
    QString uitvoer;
    if (!cupsd || !Opdracht(QStringLiteral("lpstat"),
                            {QStringLiteral("-W"), welke, QStringLiteral("-o"), Wachtrij()},
                            &uitvoer, nullptr))
        return {};
    static const QRegularExpression taak(QStringLiteral("^PDF-(\\d+)\\s"),
                                         QRegularExpression::MultilineOption);
    QList<int> uit;
    for (auto m = taak.globalMatch(uitvoer); m.hasNext();)
        uit << m.next().captured(1).toInt();
    std::sort(uit.begin(), uit.end());
    return uit;
}

QList<int> TCupsServer::Taken() { return LeesTaken(QStringLiteral("all")); }

QList<int> TCupsServer::VoltooideTaken() { return LeesTaken(QStringLiteral("completed")); }

bool TCupsServer::WachtTotVoltooid(const QList<int>& taken, int ms) {
    return cupsd && WachtOpLog(
                        [&] {
                            const auto voltooid = VoltooideTaken();
                            return std::all_of(taken.begin(), taken.end(),
                                               [&](int t) { return voltooid.contains(t); });
                        },
                        ms);
}

QString TCupsServer::PdfVanTaak(int taak) {
    // cups-pdf names the file after the job's title with the job number added.
    const QRegularExpression naam(QStringLiteral("(^|\\D)job_%1(\\D|$)").arg(taak));
    const QString doel = map.path() + QStringLiteral("/pdf/job_%1.pdf").arg(taak);
    if (verplaatst.contains(taak)) return doel;
    const auto bestanden = QDir(uitvoerMap).entryList(QDir::Files);
    for (const auto& bestand : bestanden) {
        if (!bestand.endsWith(QStringLiteral(".pdf")) || !naam.match(bestand).hasMatch()) continue;
        if (!QFile::rename(QDir(uitvoerMap).filePath(bestand), doel)) return {};
        verplaatst << taak;
        return doel;
    }
    return {};
}

QString TCupsServer::Log() const {
    QFile f(map.path() + QStringLiteral("/log/error_log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}
