// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Floods the real main window over loopback and reports, for each stream:
// throughput from first byte to last byte shown, the event loop's longest and
// 99th-percentile gap (between two runs of a 1 ms timer), peak memory, and the
// rate of the last tenth of the stream over that of the first. Beside each, a plain
// QTcpSocket that reads and discards the same stream gives the limit.
//
//   vantor_bench            all streams, each run in a fresh process
//   vantor_bench --check    the window only, failing past the memory bound,
//                           on a freeze, or past the time allowed
//   vantor_bench STREAM window|limit    one run, one line of figures
#include "allocator.h"
#include "chatsession.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
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

// What --check holds each run of the window to: the documented memory bound,
// and no freeze a person would notice as one.
constexpr double checkPeakMegabytes = 100;
constexpr qint64 checkStallMs = 1000;
constexpr int checkSeconds = 180;

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
        watch = [&, session = form->session()] {
            if (session->bytesReceived() > 0)
                progress(qint64(session->bytesReceived()), session->isShowingAll());
        };
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
        QApplication app(argc, argv);
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
