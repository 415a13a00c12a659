// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "version.h"

#include <QCommandLineParser>

#include <cstdio>

namespace CommandLine {

namespace {

// Qt's own options, as QGuiApplication and QApplication take them; accepted
// here so that Qt can have them, and not shown in the help.
void acceptQtOptions(QCommandLineParser &parser)
{
    const char *withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                               "qmljsdebugger", "qwindowgeometry", "qwindowicon", "qwindowtitle",
                               "session", "display", "geometry", "style", "stylesheet", "title",
                               "name", "visual", "im", "inputstyle"};
    const char *flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char *name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

void print(const Answer &answer)
{
    FILE *stream = answer.outcome == Outcome::Wrong ? stderr : stdout;
    std::fputs(answer.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

Answer parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A chat client for the line-based chat gateway of the Battle.net chat service.\n"
        "It has no settings: the servers it connects to are fixed when it is built."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    const QString program = QStringLiteral("vantor");
    if (!parser.parse(arguments)) {
        return {Outcome::Wrong, QStringLiteral("%1: %2 Try '%1 --help'.\n").arg(program, parser.errorText())};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {Outcome::Wrong, QStringLiteral("%1: unexpected argument '%2'. Try '%1 --help'.\n")
                                    .arg(program, parser.positionalArguments().constFirst())};
    }
    if (parser.isSet(help)) {
        // The parser's own help names the executable from the application
        // object, which does not exist yet.
        QString text = parser.helpText();
        const qsizetype usage = text.indexOf(u'\n');
        text.replace(0, usage, QStringLiteral("Usage: %1 [options]").arg(program));
        return {Outcome::Done, text};
    }
    if (parser.isSet(version)) {
        return {Outcome::Done, QStringLiteral("%1 %2\n").arg(program, QStringLiteral(VANTOR_VERSION))};
    }
    return {Outcome::Run, {}};
}

} // namespace CommandLine
