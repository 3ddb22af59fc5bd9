// The benchmark's driver: runs our window and the bare Qt window side by side (A B A B ...), reads
// their times, peak memory and idle cost from the kernel, runs the in-process reaction times,
// and prints one table of medians and ratios. It fails only when a program does not run as it
// should, never because of a figure. Plain C++: it starts programs and reads /proc.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct TOpties {
    std::string bin = ".";
    int startParen = 20;
    int rustParen = 20;
    double rustSeconden = 20;
    double rustAanloop = 2; // after the first paint, before the idle interval starts
    int reacties = 1000;
    bool snel = false;
};

[[noreturn]] void Fout(const std::string& tekst) {
    std::fprintf(stderr, "bench: %s\n", tekst.c_str());
    std::exit(1);
}

long long MonotoonNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

void Slaap(double seconden) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconden));
}

// One child program with its stdout on a pipe and, if asked, its stdin on another.
class TKind {
public:
    TKind(const std::string& programma, const std::vector<std::string>& argumenten, bool invoer) {
        int uit[2], in[2] = {-1, -1};
        if (pipe2(uit, O_CLOEXEC) != 0 || (invoer && pipe2(in, O_CLOEXEC) != 0))
            Fout("pipe: " + std::string(std::strerror(errno)));
        start = MonotoonNs();
        pid = fork();
        if (pid < 0) Fout("fork: " + std::string(std::strerror(errno)));
        if (pid == 0) {
            dup2(uit[1], 1);
            if (invoer) {
                dup2(in[0], 0);
            } else {
                const int leeg = open("/dev/null", O_RDONLY);
                dup2(leeg, 0);
            }
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(programma.c_str()));
            for (const auto& a : argumenten)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(programma.c_str(), argv.data());
            _exit(127);
        }
        close(uit[1]);
        uitvoer = uit[0];
        if (invoer) {
            close(in[0]);
            this->invoer = in[1];
        }
        naam = programma;
    }
    TKind(const TKind&) = delete;
    TKind& operator=(const TKind&) = delete;
    ~TKind() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (uitvoer >= 0) close(uitvoer);
        if (invoer >= 0) close(invoer);
    }

    // The next line of output, or nothing at the end of the output or after the time limit.
    std::optional<std::string> Regel(double limietSeconden) {
        const long long grens = MonotoonNs() + static_cast<long long>(limietSeconden * 1e9);
        for (;;) {
            if (const auto eind = buffer.find('\n'); eind != std::string::npos) {
                std::string regel = buffer.substr(0, eind);
                buffer.erase(0, eind + 1);
                return regel;
            }
            if (uitvoer < 0) return std::nullopt;
            const long long rest = grens - MonotoonNs();
            if (rest <= 0) return std::nullopt;
            pollfd p{uitvoer, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(rest / 1'000'000 + 1)) <= 0) continue;
            char blok[4096];
            const ssize_t n = read(uitvoer, blok, sizeof blok);
            if (n <= 0) {
                close(uitvoer);
                uitvoer = -1;
            } else {
                buffer.append(blok, static_cast<std::size_t>(n));
            }
        }
    }

    // Waits for a line that starts with `woord`; returns the rest of it.
    std::string Verwacht(const std::string& woord, double limietSeconden) {
        while (auto regel = Regel(limietSeconden))
            if (regel->rfind(woord + " ", 0) == 0) return regel->substr(woord.size() + 1);
        Fout(naam + " gave no \"" + woord + "\" line");
    }

    void SluitInvoer() {
        if (invoer >= 0) close(invoer);
        invoer = -1;
    }

    // Waits for the end; fails unless the program ended by itself with status 0.
    rusage Einde(double limietSeconden) {
        const long long grens = MonotoonNs() + static_cast<long long>(limietSeconden * 1e9);
        rusage gebruik{};
        int status = 0;
        for (;;) {
            const pid_t r = wait4(pid, &status, WNOHANG, &gebruik);
            if (r == pid) break;
            if (r < 0) Fout("wait4: " + std::string(std::strerror(errno)));
            if (MonotoonNs() > grens) Fout(naam + " did not end");
            Slaap(0.002);
        }
        pid = -1;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            Fout(naam + " failed (status " + std::to_string(status) + ")");
        return gebruik;
    }

    pid_t Pid() const { return pid; }
    long long Start() const { return start; }

private:
    pid_t pid = -1;
    int uitvoer = -1, invoer = -1;
    std::string buffer, naam;
    long long start = 0;
};

// CPU time (ns) and context switches of all threads of a process, from /proc.
struct TVerbruik {
    long long cpuNs = 0;
    long long wissels = 0;
};

TVerbruik Verbruik(pid_t pid) {
    TVerbruik v;
    const std::filesystem::path taken = "/proc/" + std::to_string(pid) + "/task";
    std::error_code fout;
    for (const auto& taak : std::filesystem::directory_iterator(taken, fout)) {
        std::ifstream schedstat(taak.path() / "schedstat");
        long long looptijd = 0;
        if (schedstat >> looptijd) v.cpuNs += looptijd;
        std::ifstream status(taak.path() / "status");
        for (std::string regel; std::getline(status, regel);) {
            if (regel.rfind("voluntary_ctxt_switches:", 0) == 0 ||
                regel.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                v.wissels += std::atoll(regel.substr(regel.find(':') + 1).c_str());
        }
    }
    if (fout) Fout("cannot read " + taken.string());
    return v;
}

double Mediaan(std::vector<double> w) {
    if (w.empty()) return NAN;
    std::sort(w.begin(), w.end());
    const std::size_t m = w.size() / 2;
    return w.size() % 2 ? w[m] : (w[m - 1] + w[m]) / 2;
}

// The median of the ratios of the pairs: each pair ran under the same conditions.
double PaarVerhouding(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> r;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (b[i] > 0) r.push_back(a[i] / b[i]);
    return Mediaan(r);
}

// ---- The two windows ---------------------------------------------------------------------

struct TStart {
    double ms;
    double piekMiB;
    std::string telling;
};

TStart MeetStart(const std::string& programma) {
    TKind kind(programma, {"start"}, false);
    const long long gereed = std::atoll(kind.Verwacht("gereed", 30).c_str());
    const std::string telling = kind.Verwacht("telling", 5);
    const rusage gebruik = kind.Einde(30);
    return {static_cast<double>(gereed - kind.Start()) / 1e6,
            static_cast<double>(gebruik.ru_maxrss) / 1024.0, telling};
}

struct TRust {
    double cpuMs;       // the whole interval
    double gewoonCpuMs; // the median second, times the seconds of the interval
    double wissels;
    std::map<std::string, long> timers;
};

// "QWidgetLineControl<QLineEdit(Oef1Result)=40 ..." into receiver and count.
std::map<std::string, long> LeesTimers(const std::string& tekst) {
    std::map<std::string, long> timers;
    std::istringstream in(tekst);
    for (std::string deel; in >> deel;)
        if (const auto is = deel.rfind('='); is != std::string::npos)
            timers[deel.substr(0, is)] += std::atol(deel.c_str() + is + 1);
    return timers;
}

TRust MeetRust(const std::string& programma, const TOpties& o) {
    TKind kind(programma, {"rust"}, true);
    kind.Verwacht("gereed", 30);
    Slaap(o.rustAanloop);
    // Read once a second as well. Now and then this virtual machine charges a process tens of
    // milliseconds in one second: the hypervisor took the CPU away while it ran (the steal count
    // in /proc/stat rises with it). It strikes either window at random; the median second does not
    // see it.
    const int stappen = std::max(1, static_cast<int>(std::lround(o.rustSeconden)));
    const TVerbruik voor = Verbruik(kind.Pid());
    const long long begin = MonotoonNs();
    TVerbruik na = voor;
    std::vector<double> perStap;
    for (int i = 1; i <= stappen; ++i) {
        const long long moment = begin + static_cast<long long>(o.rustSeconden * 1e9 * i / stappen);
        Slaap(static_cast<double>(std::max(0LL, moment - MonotoonNs())) / 1e9);
        const TVerbruik nu = Verbruik(kind.Pid());
        perStap.push_back(static_cast<double>(nu.cpuNs - na.cpuNs) / 1e6);
        na = nu;
    }
    kind.SluitInvoer();
    const std::string timers = kind.Verwacht("timers", 10);
    kind.Einde(10);
    return {static_cast<double>(na.cpuNs - voor.cpuNs) / 1e6, Mediaan(perStap) * stappen,
            static_cast<double>(na.wissels - voor.wissels), LeesTimers(timers)};
}

// A receiver without its object name: the same kind of timer in both windows compares equal.
std::string Soort(const std::string& ontvanger) {
    std::string s;
    bool inNaam = false;
    for (const char c : ontvanger) {
        if (c == '(') inNaam = true;
        if (!inNaam) s += c;
        if (c == ')') inNaam = false;
    }
    return s;
}

// ---- Reaction times ----------------------------------------------------------------------

struct TReactie {
    std::string naam;
    double mediaanUs, p90Us, maxUs;
};

std::string Omschrijving(const std::string& actie) {
    if (actie == "CONTROLEER") return "CONTROLEER clicked";
    if (actie == "VOLGENDE_OEFENING") return "VOLGENDE OEFENING clicked";
    if (actie == "instelling_teken") return "settings: a sign option clicked";
    if (actie == "instelling_max_tafel") return "settings: Max. tafel typed, Enter";
    return actie;
}

std::vector<TReactie> MeetReacties(const std::string& programma, int n) {
    TKind kind(programma, {std::to_string(n)}, false);
    std::vector<TReactie> lijst;
    while (auto regel = kind.Regel(600)) {
        std::istringstream in(*regel);
        std::string woord, naam;
        double mediaan = 0, p90 = 0, max = 0;
        if (in >> woord >> naam >> mediaan >> p90 >> max && woord == "reactie")
            lijst.push_back({Omschrijving(naam), mediaan / 1e3, p90 / 1e3, max / 1e3});
    }
    kind.Einde(10);
    if (lijst.size() != 4) Fout("bench_reactie did not report its four actions");
    return lijst;
}

// ---- The worksheet ------------------------------------------------------------------------

// The worksheet program prints its in-process pairs, one line each: "blad OURS_NS BARE_NS".
void MeetBlad(const std::string& programma, int paren, std::vector<double>& a,
              std::vector<double>& b) {
    TKind kind(programma, {std::to_string(paren)}, false);
    while (auto regel = kind.Regel(600)) {
        std::istringstream in(*regel);
        std::string woord;
        double ons = 0, basis = 0;
        if (in >> woord >> ons >> basis && woord == "blad") {
            a.push_back(ons / 1e6);
            b.push_back(basis / 1e6);
        }
    }
    kind.Einde(10);
    if (static_cast<int>(a.size()) != paren) Fout(programma + " did not report its pairs");
}

// ---- The table ---------------------------------------------------------------------------

std::string Getal(double w, int decimalen) {
    if (std::isnan(w)) return "–";
    char tekst[64];
    std::snprintf(tekst, sizeof tekst, "%.*f", decimalen, w);
    return tekst;
}

std::string JaNee(bool ja) { return ja ? "yes" : "**no**"; }

std::string Belasting() {
    std::ifstream in("/proc/loadavg");
    std::string een, vijf, vijftien;
    in >> een >> vijf >> vijftien;
    return een + " " + vijf + " " + vijftien;
}

TOpties LeesOpties(int argc, char* argv[]) {
    TOpties o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto waarde = [&]() -> std::string {
            if (i + 1 >= argc) Fout("missing value after " + a);
            return argv[++i];
        };
        if (a == "--bin") {
            o.bin = waarde();
        } else if (a == "--pairs") {
            o.startParen = std::max(1, std::atoi(waarde().c_str()));
        } else if (a == "--idle-pairs") {
            o.rustParen = std::max(1, std::atoi(waarde().c_str()));
        } else if (a == "--idle-seconds") {
            o.rustSeconden = std::max(0.1, std::atof(waarde().c_str()));
        } else if (a == "--reactions") {
            o.reacties = std::max(1, std::atoi(waarde().c_str()));
        } else if (a == "--quick") {
            o.snel = true;
            o.startParen = o.rustParen = 1;
            o.rustSeconden = 1;
            o.rustAanloop = 0.2;
            o.reacties = 20;
        } else {
            Fout("unknown option " + a);
        }
    }
    return o;
}

} // namespace

int main(int argc, char* argv[]) {
    const TOpties o = LeesOpties(argc, argv);
    const std::string ons = o.bin + "/bench_start";
    const std::string basis = o.bin + "/bench_basis";
    const std::string reactie = o.bin + "/bench_reactie";
    const std::string blad = o.bin + "/bench_blad";
    const std::string belastingVoor = Belasting();

    // One pair first, not counted: it fills the page cache and the font caches for both.
    const TStart ons0 = MeetStart(ons);
    const TStart basis0 = MeetStart(basis);
    if (ons0.telling != basis0.telling)
        Fout("the baseline no longer has the same widgets as our window:\n  ours: " + ons0.telling +
             "\n  bare: " + basis0.telling);

    std::vector<double> startA, startB, piekA, piekB;
    for (int i = 0; i < o.startParen; ++i) {
        const TStart a = MeetStart(ons);
        const TStart b = MeetStart(basis);
        startA.push_back(a.ms);
        startB.push_back(b.ms);
        piekA.push_back(a.piekMiB);
        piekB.push_back(b.piekMiB);
    }

    std::vector<double> cpuA, cpuB, gewoonA, gewoonB, wisselA, wisselB;
    std::map<std::string, long> timersA, timersB;
    for (int i = 0; i < o.rustParen; ++i) {
        const TRust a = MeetRust(ons, o);
        const TRust b = MeetRust(basis, o);
        cpuA.push_back(a.cpuMs);
        cpuB.push_back(b.cpuMs);
        gewoonA.push_back(a.gewoonCpuMs);
        gewoonB.push_back(b.gewoonCpuMs);
        wisselA.push_back(a.wissels);
        wisselB.push_back(b.wissels);
        for (const auto& [ontvanger, n] : a.timers)
            timersA[ontvanger] += n;
        for (const auto& [ontvanger, n] : b.timers)
            timersB[ontvanger] += n;
    }
    // Timers of ours: any kind of timer that fired in our window and not in the bare one.
    std::set<std::string> soortenB;
    for (const auto& [ontvanger, n] : timersB)
        soortenB.insert(Soort(ontvanger));
    std::string extraTimers;
    long extraAantal = 0;
    for (const auto& [ontvanger, n] : timersA)
        if (!soortenB.count(Soort(ontvanger))) {
            extraTimers += " " + ontvanger + "=" + std::to_string(n);
            extraAantal += n;
        }

    const std::vector<TReactie> reacties = MeetReacties(reactie, o.reacties);
    // The worksheet program exists once the worksheet and its printing are part of the build.
    const bool bladBeschikbaar = access(blad.c_str(), X_OK) == 0;
    std::vector<double> bladA, bladB;
    if (bladBeschikbaar) MeetBlad(blad, o.startParen, bladA, bladB);

    const std::string belastingNa = Belasting();

    // ---- Report ----
    auto tal = [](int n) { return std::to_string(n) + (n == 1 ? " pair" : " pairs"); };
    const std::string paren = tal(o.startParen);
    const std::string rustParen = tal(o.rustParen);
    const std::string rust = Getal(o.rustSeconden, 0) + " s";
    std::printf("Quorbel against a bare Qt window%s: start-up %s, idle %s of %s, reactions "
                "median of %d; load average before %s, after %s\n\n",
                o.snel ? " (quick run: the figures mean nothing)" : "", paren.c_str(),
                rustParen.c_str(), rust.c_str(), o.reacties, belastingVoor.c_str(),
                belastingNa.c_str());
    std::printf("| measure | Quorbel | bare Qt | ratio | goal | met |\n");
    std::printf("|---|---:|---:|---:|---|---|\n");
    auto rij = [](const std::string& maat, double a, double b, double r, int decimalen,
                  const std::string& doel, bool gehaald) {
        std::printf("| %s | %s | %s | %s | %s | %s |\n", maat.c_str(), Getal(a, decimalen).c_str(),
                    Getal(b, decimalen).c_str(), Getal(r, 2).c_str(), doel.c_str(),
                    JaNee(gehaald).c_str());
    };
    const double startR = PaarVerhouding(startA, startB);
    rij("start to first set drawn (ms)", Mediaan(startA), Mediaan(startB), startR, 1, "≤ 1.10",
        startR <= 1.10);
    const double piekR = PaarVerhouding(piekA, piekB);
    rij("peak memory (MiB)", Mediaan(piekA), Mediaan(piekB), piekR, 1, "≤ 1.10", piekR <= 1.10);
    const double gewoonR = PaarVerhouding(gewoonA, gewoonB);
    rij("idle " + rust + ", focus in an answer field: CPU time, median second × " +
            std::to_string(std::max(1, static_cast<int>(std::lround(o.rustSeconden)))) + " (ms)",
        Mediaan(gewoonA), Mediaan(gewoonB), gewoonR, 2, "≤ 1.0", gewoonR <= 1.0);
    const double cpuR = PaarVerhouding(cpuA, cpuB);
    std::printf(
        "| idle %s: CPU time, whole interval, steal included (ms) | %s | %s | %s | – | – |\n",
        rust.c_str(), Getal(Mediaan(cpuA), 2).c_str(), Getal(Mediaan(cpuB), 2).c_str(),
        Getal(cpuR, 2).c_str());
    const double wisselR = PaarVerhouding(wisselA, wisselB);
    rij("idle " + rust + ": context switches", Mediaan(wisselA), Mediaan(wisselB), wisselR, 0,
        "≤ 1.0", wisselR <= 1.0);
    std::printf("| idle %s: timers of ours that fired | %ld | – | – | none | %s |\n", rust.c_str(),
                extraAantal, JaNee(extraAantal == 0).c_str());
    for (const auto& r : reacties)
        std::printf("| reaction %s (µs; p90, max %s, %s) | %s | – | – | < 1000 µs | %s |\n",
                    r.naam.c_str(), Getal(r.p90Us, 0).c_str(), Getal(r.maxUs, 0).c_str(),
                    Getal(r.mediaanUs, 0).c_str(), JaNee(r.mediaanUs < 1000).c_str());
    if (bladBeschikbaar) {
        const double a = Mediaan(bladA), b = Mediaan(bladB), r = PaarVerhouding(bladA, bladB);
        rij("worksheet: compose both pages, print to PDF (ms)", a, b, r, 1, "≤ 1.10, < 100 ms",
            r <= 1.10 && a < 100);
    } else {
        std::printf(
            "| worksheet: compose both pages, print to PDF (ms) | not available yet | – | – "
            "| ≤ 1.10, < 100 ms | – |\n");
    }

    std::printf("\nTimers that fired while idle (all runs): ours");
    for (const auto& [ontvanger, n] : timersA)
        std::printf(" %s=%ld", ontvanger.c_str(), n);
    std::printf("; bare");
    for (const auto& [ontvanger, n] : timersB)
        std::printf(" %s=%ld", ontvanger.c_str(), n);
    std::printf("\n");
    if (extraAantal > 0) std::printf("Timers of ours:%s\n", extraTimers.c_str());
    std::printf("Widgets in both windows (visible/all): %s\n", ons0.telling.c_str());
    return 0;
}
