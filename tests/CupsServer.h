#pragma once
// A print server of the test's own: cupsd with its configuration, spool and logs in a temporary
// folder, reached through CUPS_SERVER, with one cups-pdf queue. Stopped when the object goes,
// and by the kernel should the test process die first.

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QProcess;

class TCupsServer {
public:
    TCupsServer();
    ~TCupsServer();
    TCupsServer(const TCupsServer&) = delete;
    TCupsServer& operator=(const TCupsServer&) = delete;

    // Why this machine cannot run the server (cupsd missing, not root); empty when it can.
    static QString Ontbreekt();

    // Starts the server, adds the queue and points this process at it (CUPS_SERVER). Must run
    // before the process first talks to a print server. On failure `fout` says why.
    bool Start(QString* fout);
    void Stop();

    static QString Wachtrij() { return QStringLiteral("PDF"); }

    // Job ids known to the server: all of them, or only the completed ones, ascending.
    QList<int> Taken();
    QList<int> VoltooideTaken();

    // Waits until every one of the jobs has completed, woken by the server's log; false when
    // that takes longer than `ms`.
    bool WachtTotVoltooid(const QList<int>& taken, int ms);

    // The PDF that the queue wrote for a completed job, moved into the temporary folder; empty
    // when there is none.
    QString PdfVanTaak(int taak);

    // The server's own log, for failure messages.
    QString Log() const;

private:
    bool Opdracht(const QString& programma, const QStringList& argumenten, QString* uitvoer,
                  QString* fout);
    QList<int> LeesTaken(const QString& welke);
    bool WachtOpLog(const std::function<bool()>& klaar, int ms);

    QTemporaryDir map;
    std::unique_ptr<QProcess> cupsd;
    QProcessEnvironment omgeving;
    QString uitvoerMap; // where cups-pdf writes, from its configuration
    bool uitvoerMapBestond = false;
    QList<int> verplaatst; // jobs whose PDF has been taken out of uitvoerMap
};
