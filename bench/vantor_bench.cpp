// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Floods the real main window over loopback and reports, for each stream:
// throughput from first byte to last byte shown, the event loop's longest and
// 99th-percentile gap (between two runs of a 1 ms timer), peak memory, and the
// rate of the last tenth of the stream over that of the first; then, for each
// kind of work the loop did meanwhile, its longest single run and how many
// runs there were. Beside each, a plain QTcpSocket that reads and discards
// the same stream gives the limit.
//
//   vantor_bench            all streams, each run in a fresh process
//   vantor_bench --check    the window only, failing past the memory bound,
//                           on a freeze, or past the time allowed
//   vantor_bench STREAM window|limit    one run: its figures and its kinds of work
//   VANTOR_BENCH_STALLS=MS  also lists every run of work of MS or longer, and when it came
#include "allocator.h"
#include "chatsession.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>
#include <vector>

namespace {

struct Stream
{
    const char *name;
    qint64 bytes;
    qint64 writeSize; // bytes per write() on the server's side
    bool lines;       // chat lines, or one line with no break at all
};

const Stream streams[] = {
    {"chat-50MB", 50'000'000, 64 * 1024, true},
    {"one-line-10MB", 10'000'000, 64 * 1024, false},
    {"byte-writes-1MB", 1'000'000, 1, true},
    {"chat-1GB", 1'000'000'000, 64 * 1024, true},
};

// What --check holds each run of the window to: the documented memory bound;
// no freeze of many frames (the window answers within one here, within two
// with every core busy: 100 ms leaves room for a loaded machine and still
// catches work that holds the loop for a piece of the stream or more); and
// the time allowed.
constexpr double checkPeakMegabytes = 100;
constexpr qint64 checkStallMs = 100;
constexpr int checkSeconds = 180;

// The kinds of work in the event loop while a stream comes in, each run of it
// one dispatch of the loop, told apart by what it was for and what came of
// it: a socket's notice is a read (with what the session does with it at
// once); a paint request, a repaint; a timer that said something, made the
// views catch up, removed the oldest lines or added text is that.
enum Kind { Read, Append, Trim, CatchUp, Paint, Speech, Other, Kinds };
const char *const kindNames[Kinds] = {"read", "append", "trim", "catch-up", "paint", "speech", "other"};

class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool timing = false;               // while the stream comes in
    QTextDocument *document = nullptr; // the transcript's, where the window runs
    bool shown = false;                // the session said so during this run
    bool spoken = false;
    std::array<qint64, Kinds> longest{}, runs{};
    qint64 stallsOver = -1; // ms: runs this long are listed as they end
    const QElapsedTimer *clock = nullptr;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!timing || m_depth > 0)
            return dispatch(receiver, event);
        shown = spoken = false;
        const int before = document ? document->characterCount() : 0;
        QElapsedTimer run;
        run.start();
        const bool result = dispatch(receiver, event);
        const qint64 ns = run.nsecsElapsed();
        const int after = document ? document->characterCount() : 0;
        Kind kind = Other;
        if (event->type() == QEvent::SockAct)
            kind = Read;
        else if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint)
            kind = Paint;
        else if (event->type() == QEvent::Timer)
            kind = spoken ? Speech : shown ? CatchUp : after < before ? Trim : after > before ? Append : Other;
        longest[kind] = std::max(longest[kind], ns);
        ++runs[kind];
        if (stallsOver >= 0 && ns >= stallsOver * 1'000'000)
            std::printf("    at %7.1f ms: %s for %.1f ms\n", (clock->nsecsElapsed() - ns) / 1e6, kindNames[kind], ns / 1e6);
        return result;
    }

private:
    bool dispatch(QObject *receiver, QEvent *event)
    {
        ++m_depth;
        const bool result = QApplication::notify(receiver, event);
        --m_depth;
        return result;
    }
    int m_depth = 0;
};

// Chat lines of about 75 bytes, made as they are sent so the sender holds no
// copy of the stream: a slice of the line repeated.
QByteArray chunk(const Stream &stream, qint64 offset, qint64 size)
{
    if (!stream.lines)
        return QByteArray(size, 'x');
    static const QByteArray line = "<Player1234> hello everyone, anyone up for a game of melee on lordaeron?\r\n";
    static const QByteArray lines = line.repeated(int(128 * 1024 / line.size() + 2));
    return lines.mid(offset % line.size(), size);
}

void serve(const Stream &stream, std::promise<quint16> &port)
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    port.set_value(server.serverPort());
    if (!server.waitForNewConnection(60'000))
        return;
    QTcpSocket *client = server.nextPendingConnection();
    client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const qint64 block = std::max<qint64>(stream.writeSize, 64 * 1024);
    for (qint64 sent = 0; sent < stream.bytes; sent += block) {
        const QByteArray data = chunk(stream, sent, std::min(block, stream.bytes - sent));
        // One write at a time, each gone to the kernel before the next, as a
        // server writing straight to its socket would.
        for (qint64 at = 0; at < data.size(); at += stream.writeSize) {
            client->write(data.constData() + at, std::min(stream.writeSize, data.size() - at));
            client->flush();
            while (client->bytesToWrite() > 0) {
                if (!client->waitForBytesWritten(60'000))
                    return;
            }
        }
    }
    client->disconnectFromHost();
    if (client->state() != QAbstractSocket::UnconnectedState)
        client->waitForDisconnected(60'000);
}

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

int runOne(const Stream &stream, bool window)
{
    std::promise<quint16> portPromise;
    std::future<quint16> port = portPromise.get_future();
    std::thread sender(serve, std::cref(stream), std::ref(portPromise));

    QElapsedTimer clock;
    qint64 first = -1;
    qint64 last = -1;
    // The event loop's gaps: how long it went between two runs of a 1 ms
    // timer, while the stream came in.
    qint64 lastTick = -1;
    std::vector<qint64> gaps;
    std::function<void()> watch; // looks whether the last byte is shown
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (first >= 0 && last < 0 && lastTick >= 0)
            gaps.push_back(now - lastTick);
        lastTick = now;
        if (watch)
            watch();
    });

    auto *app = static_cast<TimedApplication *>(qApp);
    app->clock = &clock;
    if (qEnvironmentVariableIsSet("VANTOR_BENCH_STALLS"))
        app->stallsOver = qEnvironmentVariableIntValue("VANTOR_BENCH_STALLS");
    std::unique_ptr<MainWindow> form;
    QTcpSocket plain;
    qint64 received = 0;
    // When the first and the last tenth of the stream were taken in: a reader
    // that slows down as the transcript grows takes longer for the last.
    // Both are counted as the reader takes the bytes (what the window shows
    // last, it shows a moment after), and progress is seen only between two
    // passes of the event loop, so the moment a tenth was crossed is put
    // between the two sightings around it, in proportion: a short stream's
    // tenth lasts a few passes.
    double firstTenth = -1;
    double lastTenthStart = -1;
    double allTaken = -1;
    double seenAt = 0;
    qint64 seenBytes = 0;
    auto crossedAt = [&](qint64 mark, double now, qint64 total) {
        return seenAt + (now - seenAt) * double(mark - seenBytes) / double(std::max<qint64>(1, total - seenBytes));
    };
    auto progress = [&](qint64 total, bool allShown) {
        const double now = clock.nsecsElapsed() / 1e6;
        if (first < 0) {
            first = clock.elapsed();
            seenAt = now;
            app->timing = true;
        }
        if (firstTenth < 0 && total >= stream.bytes / 10)
            firstTenth = crossedAt(stream.bytes / 10, now, total);
        if (lastTenthStart < 0 && total >= stream.bytes / 10 * 9)
            lastTenthStart = crossedAt(stream.bytes / 10 * 9, now, total);
        if (allTaken < 0 && total >= stream.bytes)
            allTaken = crossedAt(stream.bytes, now, total);
        seenAt = now;
        seenBytes = total;
        if (total >= stream.bytes && allShown && last < 0) {
            QCoreApplication::processEvents(); // let it paint what arrived last
            last = clock.elapsed();
            app->timing = false;
            QCoreApplication::quit();
        }
    };
    if (window) {
        Seams seams;
        seams.endpoints = {QStringLiteral("127.0.0.1"), QStringLiteral("localhost"), port.get()};
        seams.reportError = [](QWidget *, const QString &sentence) {
            std::fprintf(stderr, "refused: %s\n", qPrintable(sentence));
        };
        seams.openUrl = [](const QUrl &) { return true; };
        seams.endProgram = [] {};
        form = std::make_unique<MainWindow>(seams);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
        // The stream ends when the window has shown it all: it shows what it
        // takes in passes.
        ChatSession *session = form->session();
        watch = [&, session] {
            if (session->bytesReceived() > 0)
                progress(qint64(session->bytesReceived()), session->isShowingAll());
        };
        app->document = form->findChild<QPlainTextEdit *>(QStringLiteral("Text2"))->document();
        QObject::connect(session, &ChatSession::shown, [app] { app->shown = true; });
        QObject::connect(session, &ChatSession::speak, [app] { app->spoken = true; });
        form->findChild<QPushButton *>(QStringLiteral("cmdConnect"))->click();
    } else {
        QObject::connect(&plain, &QTcpSocket::readyRead, [&] {
            received += plain.readAll().size();
            progress(received, true);
        });
        plain.connectToHost(QHostAddress::LocalHost, port.get());
    }
    clock.start();
    ticker.start();
    const bool checking = qEnvironmentVariableIsSet("VANTOR_BENCH_CHECK");
    QTimer::singleShot(checking ? checkSeconds * 1000 : 600'000, [] { QCoreApplication::exit(1); });
    const int status = QCoreApplication::exec();
    sender.join();
    const double seconds = std::max<qint64>(1, last - first) / 1000.0;
    std::sort(gaps.begin(), gaps.end());
    const qint64 longestStall = gaps.empty() ? 0 : gaps.back();
    const qint64 p99 = gaps.empty() ? 0 : gaps[gaps.size() * 99 / 100];
    const double firstRate = (stream.bytes / 10) / std::max(1.0, firstTenth - first);
    const double lastRate = (stream.bytes - stream.bytes / 10 * 9) / std::max(1.0, allTaken - lastTenthStart);
    std::printf("%-16s %-7s %8.1f MB/s %7lld ms %7lld ms %8.1f MB %9.2f%s\n", stream.name,
                window ? "window" : "limit", stream.bytes / 1e6 / seconds,
                static_cast<long long>(longestStall), static_cast<long long>(p99), peakMegabytes(),
                lastRate / firstRate,
                status == 0 ? "" : "  (timed out)");
    std::printf("%-16s %-7s longest run of each kind of work (runs):", "", "");
    for (int kind = 0; kind < Kinds; ++kind) {
        if (app->runs[kind] > 0)
            std::printf(" %s %.1f ms (%lld)", kindNames[kind], app->longest[kind] / 1e6,
                        static_cast<long long>(app->runs[kind]));
    }
    std::printf("\n");
    if (checking && (peakMegabytes() > checkPeakMegabytes || longestStall > checkStallMs)) {
        std::printf("%-16s over the bound: peak memory at most %.0f MB, longest stall at most %lld ms\n",
                    stream.name, checkPeakMegabytes, static_cast<long long>(checkStallMs));
        return 1;
    }
    return status;
}

// The offscreen platform says of each window what it cannot do for it
// ("This plugin does not support raise()"); among the figures that is noise.
QtMessageHandler standardMessages = nullptr;

void quietOffscreenNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        standardMessages(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    standardMessages = qInstallMessageHandler(quietOffscreenNotices);
    // As the program does; the figures are not the program's where it was refused.
    if (!Allocator::keepLargeBuffersForReuse())
        std::fprintf(stderr, "vantor_bench: the C library kept its own buffer settings\n");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3) {
        TimedApplication app(argc, argv);
        for (const Stream &stream : streams) {
            if (qstrcmp(argv[1], stream.name) == 0)
                return runOne(stream, qstrcmp(argv[2], "window") == 0);
        }
        return 2;
    }
    const bool check = argc == 2 && qstrcmp(argv[1], "--check") == 0;
    if (check)
        qputenv("VANTOR_BENCH_CHECK", "1");
    std::printf("%-16s %-7s %13s %10s %10s %11s %9s\n", "stream", "reader", "throughput", "longest gap",
                "99% gap", "peak memory", "last/first tenth");
    std::fflush(stdout);
    int failures = 0;
    for (const Stream &stream : streams) {
        for (const char *reader : {"window", "limit"}) {
            if (check && qstrcmp(reader, "limit") == 0)
                continue;
            const QByteArray command = QByteArray("'") + argv[0] + "' " + stream.name + ' ' + reader;
            failures += std::system(command.constData()) != 0;
        }
    }
    return failures == 0 ? 0 : 1;
}
