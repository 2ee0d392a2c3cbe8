// What a player waits for, measured on the real windows, each beside the
// same step done with bare Qt windows of the same sizes in this same
// program: the floor that no Qt program can go under.
//
//   ui_bench [runs]      (default 10; offscreen unless QT_QPA_PLATFORM says)
//   ui_bench --session game start   only the start, to run under a profiler
//
// Every run is a pair of fresh processes, this program started again as
// "ui_bench --session game" and "ui_bench --session bare name=WxH...", so each
// figure is met cold, the way a player meets it: the first start, the first
// opening of each window. A session reports monotonic time stamps and
// durations on its standard output; the parent gathers them and prints a
// markdown table of medians, ranges and the ratio to the floor.
//
//   exec → main   from starting the process to main(): loading and linking
//   start (exec)  from starting the process to the start screen's first paint
//   start (app)   from creating the QApplication to that paint
//   open game     from the click on the start button to the game window's
//                 first paint
//   click         from a click on a cell to the end of the repaint it causes
//   open dialog   from the winning click to the dialog's first paint
//   open <help>   from the menu entry to the screen's first paint
//   peak memory   the session's peak resident set at the start screen's
//                 first paint, and at its end

#include "boardview.h"
#include "cellwidget.h"
#include "frmgioco.h"
#include "frminizio.h"
#include "frmscelta.h"
#include "windows.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Nanos = long long;

Nanos now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return Nanos(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

// Peak resident set of this process so far, in KiB.
long peakRssKib()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// ---------------------------------------------------------------- a session

void quietOffscreenNoise(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Sees paints of the widgets of one top-level window, named by object name
// because the window may not exist yet when the watch is armed.
class PaintWatch : public QObject {
public:
    void arm(const QString& windowName)
    {
        m_window = windowName;
        m_painted = false;
    }

    // Runs the event loop until the armed window has painted; the turn of
    // the loop that delivered the paint has finished by then, so every
    // widget of that repaint is drawn and flushed. Gives up after ten seconds.
    bool wait()
    {
        QElapsedTimer limit;
        limit.start();
        while (!m_painted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (limit.hasExpired(10000)) {
                std::fprintf(stderr, "no paint of %s\n", qPrintable(m_window));
                return false;
            }
        }
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window()->objectName() == m_window)
            m_painted = true;
        return false;
    }

private:
    QString m_window;
    bool m_painted = false;
};

PaintWatch* watch = nullptr;

void report(const char* key, Nanos value)
{
    std::printf("%s %lld\n", key, value);
}

// Times action until the window named windowName has painted.
Nanos timeToPaint(const QString& windowName, const std::function<void()>& action)
{
    watch->arm(windowName);
    const Nanos start = now();
    action();
    if (!watch->wait())
        std::exit(3);
    return now() - start;
}

// Lets deferred deletes and pending repaints run.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void clickAt(QWidget* window, QWidget* target)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target->mapTo(window, target->rect().center()));
}

using Move = std::pair<core::CellIndex, core::CellIndex>;

// Level 1 to a single peg, and the first twenty jumps of level 7.
const std::vector<Move> kLevel1{{10, 12}, {24, 10}, {9, 11}, {12, 10}, {5, 17}};
const std::vector<Move> kLevel7{{5, 17},  {8, 10},  {1, 9},   {3, 1},   {10, 8},  {7, 9},   {11, 3},
                                {13, 11}, {16, 4},  {1, 9},   {14, 16}, {16, 4},  {18, 6},  {3, 11},
                                {20, 18}, {18, 6},  {28, 16}, {21, 23}, {23, 9},  {4, 16}};

struct HelpEntry {
    const char* action;
    const char* window;
    const char* key;
    const char* back;
};
const HelpEntry kHelp[] = {
    {"mnustoria", "frmstoria", "open.storia", "cmdindietro"},
    {"mnuistruzioni", "frmistruzioni", "open.istruzioni", "cmdindietro"},
    {"mnuvarianti", "frmvarianti", "open.varianti", "cmdindietro"},
    {"mnuinfo", "frminfo", "open.info", "cmdok"},
};

void printSize(const char* name, QWidget* w)
{
    std::printf("size.%s %dx%d\n", name, w->width(), w->height());
}

// What both kinds of session start with: the application object, timed
// from its creation, and the watch on its paints.
struct WatchedApp {
    WatchedApp(int& argc, char* argv[], Nanos mainEntered)
        : appStart((report("stamp.main", mainEntered), now())), app(argc, argv)
    {
        watch = &paints;
        app.installEventFilter(&paints);
    }
    Nanos appStart;
    QApplication app;
    PaintWatch paints;
};

int gameSession(int argc, char* argv[], Nanos mainEntered, bool startOnly)
{
    WatchedApp session(argc, argv, mainEntered);
    const Nanos appStart = session.appStart;

    // (a) the program's own start: the registry, then the start screen.
    auto windows = std::make_unique<ui::Windows>();
    watch->arm(QStringLiteral("frminizio"));
    ui::Windows::present(windows->frminizio());
    if (!watch->wait())
        return 3;
    const Nanos painted = now();
    report("stamp.start", painted);
    report("start.app", painted - appStart);
    report("rss.start", peakRssKib());
    printSize("start", windows->frminizio());
    if (startOnly)
        return 0;

    // (b) the start button.
    auto* cmdvai = windows->frminizio()->findChild<QPushButton*>(QStringLiteral("cmdvai"));
    report("open.game", timeToPaint(QStringLiteral("frmgioco"), [&] { QTest::mouseClick(cmdvai, Qt::LeftButton); }));
    settle();
    ui::FrmGioco* game = windows->frmgioco();
    printSize("game", game);

    // (c) clicks on cells, each a selection or a jump, so each repaints.
    const auto click = [&](core::CellIndex cell, const char* key) {
        QWidget* target = game->boardView()->cell(cell);
        report(key, timeToPaint(QStringLiteral("frmgioco"), [&] { clickAt(game, target); }));
    };
    const auto play = [&](const std::vector<Move>& moves, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            click(moves[i].first, "click");
            click(moves[i].second, "click");
        }
    };
    play(kLevel1, kLevel1.size() - 1);
    click(kLevel1.back().first, "click");

    // (d) the dialog, opened by the winning jump.
    QWidget* last = game->boardView()->cell(kLevel1.back().second);
    report("open.dialog", timeToPaint(QStringLiteral("frmscelta"), [&] { clickAt(game, last); }));
    printSize("dialog", windows->frmscelta());
    QTest::mouseClick(windows->frmscelta()->findChild<QPushButton*>(QStringLiteral("cmdstesso")), Qt::LeftButton);
    settle();
    game->findChild<QAction*>(QStringLiteral("mnu7"))->trigger();
    settle();
    play(kLevel7, kLevel7.size());

    // (d) the help screens, each opened from its menu entry and closed with
    // its button.
    for (const HelpEntry& help : kHelp) {
        QAction* entry = game->findChild<QAction*>(QString::fromLatin1(help.action));
        const QString name = QString::fromLatin1(help.window);
        report(help.key, timeToPaint(name, [&] { entry->trigger(); }));
        QWidget* screen = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                screen = w;
        printSize(help.window, screen);
        QTest::mouseClick(screen->findChild<QPushButton*>(QString::fromLatin1(help.back)), Qt::LeftButton);
        settle();
    }
    report("rss.end", peakRssKib());
    std::fflush(stdout);
    windows.reset();
    settle();
    return 0;
}

// ------------------------------------------------------------ the floor

// A bare widget that paints a plain square, and calls back on a click.
class BareCell : public QWidget {
public:
    BareCell(QWidget* parent, std::function<void()> onClick) : QWidget(parent), m_onClick(std::move(onClick)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_on ? Qt::darkBlue : Qt::yellow);
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        m_on = !m_on;
        update();
        if (m_onClick)
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
    bool m_on = false;
};

QWidget* bareWindow(const QString& name, QSize size)
{
    auto* w = new QWidget;
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setFixedSize(size);
    return w;
}

QSize sizeArg(const std::map<std::string, QSize>& sizes, const std::string& name)
{
    const auto it = sizes.find(name);
    if (it == sizes.end()) {
        std::fprintf(stderr, "no size for %s\n", name.c_str());
        std::exit(2);
    }
    return it->second;
}

int bareSession(int argc, char* argv[], Nanos mainEntered, const std::map<std::string, QSize>& sizes)
{
    WatchedApp session(argc, argv, mainEntered);
    const Nanos appStart = session.appStart;

    QWidget* start = bareWindow(QStringLiteral("start"), sizeArg(sizes, "start"));
    QPointer<QWidget> game;
    const auto openGame = [&] {
        game = bareWindow(QStringLiteral("game"), sizeArg(sizes, "game"));
        game->show();
        start->close();
    };
    auto* button = new BareCell(start, openGame);
    button->setGeometry(296, 312, 41, 41);
    watch->arm(QStringLiteral("start"));
    start->show();
    if (!watch->wait())
        return 3;
    const Nanos painted = now();
    report("stamp.start", painted);
    report("start.app", painted - appStart);
    report("rss.start", peakRssKib());

    report("open.game", timeToPaint(QStringLiteral("game"), [&] { QTest::mouseClick(button, Qt::LeftButton); }));
    settle();

    const auto openDialog = [&] { bareWindow(QStringLiteral("dialog"), sizeArg(sizes, "dialog"))->show(); };
    auto* cell = new BareCell(game, {});
    cell->setGeometry(120, 140, 25, 25);
    auto* winning = new BareCell(game, openDialog);
    winning->setGeometry(200, 140, 25, 25);
    cell->show();
    winning->show();
    settle();
    const int clicks = 2 * int(kLevel1.size() + kLevel7.size()) - 1;
    for (int i = 0; i < clicks; ++i)
        report("click", timeToPaint(QStringLiteral("game"), [&] { clickAt(game, cell); }));
    report("open.dialog", timeToPaint(QStringLiteral("dialog"), [&] { clickAt(game, winning); }));
    settle();

    for (const HelpEntry& help : kHelp) {
        const QString name = QString::fromLatin1(help.window);
        QWidget* screen = nullptr;
        report(help.key, timeToPaint(name, [&] {
                   screen = bareWindow(name, sizeArg(sizes, help.window));
                   screen->show();
               }));
        screen->close();
        settle();
    }
    report("rss.end", peakRssKib());
    std::fflush(stdout);
    return 0;
}

// ----------------------------------------------------------- the parent

struct Session {
    std::map<std::string, std::vector<double>> values;
    std::map<std::string, std::string> sizes;
};

// Starts this program again with args and reads its report.
Session runSession(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    static std::string self = "/proc/self/exe";
    argv.push_back(self.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);

    pid_t pid = 0;
    const Nanos spawned = now();
    if (posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string output;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, std::size_t(got));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "session %s failed (status %d)\n", args.at(1).c_str(), status);
        std::exit(1);
    }

    Session session;
    std::istringstream lines(output);
    std::string key;
    std::string value;
    while (lines >> key >> value) {
        if (key.rfind("size.", 0) == 0)
            session.sizes[key.substr(5)] = value;
        else if (key == "stamp.start")
            session.values["start.exec"].push_back(double(std::stoll(value) - spawned) / 1e6);
        else if (key == "stamp.main")
            session.values["start.main"].push_back(double(std::stoll(value) - spawned) / 1e6);
        else if (key.rfind("rss.", 0) == 0)
            session.values[key].push_back(std::stod(value) / 1024.0);
        else
            session.values[key].push_back(double(std::stoll(value)) / 1e6);
    }
    return session;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5))];
}

std::string figure(const std::vector<double>& v, const char* unit, bool withP90)
{
    char text[160];
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    if (withP90)
        std::snprintf(text, sizeof text, "%.3f %s (p90 %.3f, max %.3f)", median(v), unit, percentile(v, 0.9), *hi);
    else
        std::snprintf(text, sizeof text, "%.1f %s (%.1f–%.1f)", median(v), unit, *lo, *hi);
    return text;
}

int parent(int runs)
{
    std::map<std::string, std::vector<double>> game;
    std::map<std::string, std::vector<double>> bare;
    std::vector<std::string> bareArgs{"--session", "bare"};
    for (int run = 0; run < runs; ++run) {
        Session g = runSession({"--session", "game"});
        if (run == 0)
            for (const auto& [name, size] : g.sizes)
                bareArgs.push_back(name + "=" + size);
        Session b = runSession(bareArgs);
        for (auto& [key, v] : g.values)
            game[key].insert(game[key].end(), v.begin(), v.end());
        for (auto& [key, v] : b.values)
            bare[key].insert(bare[key].end(), v.begin(), v.end());
        std::fprintf(stderr, ".");
    }
    std::fprintf(stderr, "\n");

    struct Row {
        const char* key;
        const char* label;
        const char* unit;
        bool manySamples;
    };
    const Row rows[] = {
        {"start.main", "start: exec → main()", "ms", false},
        {"start.exec", "start: exec → start screen painted", "ms", false},
        {"start.app", "start: QApplication → start screen painted", "ms", false},
        {"open.game", "start button → game window painted", "ms", false},
        {"click", "cell click → repaint done", "ms", true},
        {"open.dialog", "winning click → dialog painted", "ms", false},
        {"open.storia", "Storia del gioco → screen painted", "ms", false},
        {"open.istruzioni", "Istruzioni → screen painted", "ms", false},
        {"open.varianti", "Varianti → screen painted", "ms", false},
        {"open.info", "Informazioni → screen painted", "ms", false},
        {"rss.start", "peak RSS at the start screen", "MiB", false},
        {"rss.end", "peak RSS at the end of the session", "MiB", false},
    };
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("%d cold runs of each, platform %s; medians, with ranges (clicks: p90 and max of all)\n\n", runs,
                platform ? platform : "(default)");
    std::printf("| step | Zibbet | floor (bare Qt windows) | ratio |\n|---|---|---|---|\n");
    for (const Row& row : rows) {
        const auto& g = game[row.key];
        const auto& b = bare[row.key];
        if (g.empty() || b.empty())
            continue;
        std::printf("| %s | %s | %s | %.2f× |\n", row.label, figure(g, row.unit, row.manySamples).c_str(),
                    figure(b, row.unit, row.manySamples).c_str(), median(g) / median(b));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const Nanos entered = now();
    if (argc >= 3 && std::strcmp(argv[1], "--session") == 0) {
        qInstallMessageHandler(quietOffscreenNoise);
        int qtArgc = 1;
        if (std::strcmp(argv[2], "game") == 0)
            return gameSession(qtArgc, argv, entered, argc > 3 && std::strcmp(argv[3], "start") == 0);
        std::map<std::string, QSize> sizes;
        for (int i = 3; i < argc; ++i) {
            int w = 0;
            int h = 0;
            char name[64] = {};
            if (std::sscanf(argv[i], "%63[^=]=%dx%d", name, &w, &h) == 3)
                sizes[name] = QSize(w, h);
        }
        return bareSession(qtArgc, argv, entered, sizes);
    }
    // Measured where no display can add its own noise, unless asked.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
    return parent(runs);
}
