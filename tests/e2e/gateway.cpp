// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// A chat gateway for the end-to-end test, on 127.0.0.1 only. It records every
// byte it receives in a file, answers the login preamble with a greeting and
// a user-name prompt, answers the line "hello vantor" with two lines of its
// own, and the line "flood please" with twenty. What happens goes to standard output, a line per event.
//
//   e2e_gateway PORT RECORD_FILE
#include <QCoreApplication>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const auto port = quint16(QByteArray(argv[1]).toUShort());
    QFile record(QString::fromLocal8Bit(argv[2]));
    if (!record.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 2;
    auto say = [](const char *event) {
        std::printf("%s\n", event);
        std::fflush(stdout);
    };

    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, port)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1:%u\n", unsigned(port));
        return 1;
    }
    QByteArray received;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket *client = server.nextPendingConnection();
        received.clear();
        say("connected");
        QObject::connect(client, &QTcpSocket::readyRead, [&, client] {
            const QByteArray bytes = client->readAll();
            record.write(bytes);
            record.flush();
            const bool greeted = received.startsWith(QByteArray("\x03\x04\r\n\r\n", 6));
            const bool answered = received.contains("hello vantor\r\n");
            const bool flooded = received.contains("flood please\r\n");
            received += bytes;
            if (!greeted && received.startsWith(QByteArray("\x03\x04\r\n\r\n", 6))) {
                client->write("Connection from [127.0.0.1]\r\n\r\nEnter your account name and password.\r\n"
                              "Username: ");
                say("greeted");
            }
            if (!answered && received.contains("hello vantor\r\n")) {
                client->write("1007 CHANNEL \"Chat\"\r\n<b>not bold</b> caf\xe9\r\n");
                client->flush();
                say("answered");
            }
            if (!flooded && received.contains("flood please\r\n")) {
                QByteArray flood;
                for (int line = 0; line < 20; ++line)
                    flood += "<Spam> " + QByteArray::number(line) + "\r\n";
                client->write(flood);
                say("flooded");
            }
        });
        QObject::connect(client, &QTcpSocket::disconnected, [&, client] {
            say("disconnected");
            client->deleteLater();
        });
    });
    say("listening");
    return app.exec();
}
