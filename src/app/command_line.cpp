#include "app/command_line.h"

#include "app/identity.h"
#include "host/host.h"

#include <QCommandLineParser>

namespace {

// Qt's standard options, as QGuiApplication, QApplication and the X11
// platform read them. Declared so that they are not taken for mistakes;
// QApplication reads them from the untouched command line.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"reverse", false},      {"session", true},
    {"style", true},         {"stylesheet", true},
    {"widgetcount", false},  {"display", true},
    {"geometry", true},      {"title", true},
    {"icon", true},          {"name", true},
    {"visual", true},        {"nograb", false},
    {"dograb", false},
};

constexpr int usageErrorStatus = 2;

CommandLineAnswer mistake(const QString& what)
{
    return {usageErrorStatus, QStringLiteral("%1: %2; see '%1 --help'.\n").arg(identity::command, what)};
}

// "Missing value after '-style'." as part of a sentence.
QString lowerSentence(QString text)
{
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

// The unknown option as the user typed it, dashes included, without a value.
QString typedOption(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.sliced(1)) {
        if (argument == QLatin1String("--"))
            break;
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (option.startsWith(QLatin1Char('-')) &&
            QStringView(option).sliced(option.startsWith(QLatin1String("--")) ? 2 : 1) == name)
            return option;
    }
    return name;
}

// Before the application exists Qt cannot name the program in the usage line.
QString usage(const QString& helpText)
{
    return QStringLiteral("Usage: %1 [options]\n").arg(identity::command) + helpText.section(QLatin1Char('\n'), 1) +
           QStringLiteral("\nQt's standard options are accepted too, such as -platform, -style and\n-reverse") +
           (host::hasManualPages() ? QStringLiteral("; see %1(1).\n").arg(identity::command) : QStringLiteral(".\n"));
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options take one dash and are whole words: -platform, -reverse.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Compose the title and meta tags of a web page."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's name and version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& each : qtOptions) {
        QCommandLineOption option(QString::fromLatin1(each.name));
        if (each.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine line;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        line.answer = mistake(unknown.isEmpty()
                                  ? lowerSentence(parser.errorText())
                                  : QStringLiteral("unknown option '%1'").arg(typedOption(arguments, unknown.first())));
    } else if (parser.isSet(help)) {
        line.answer = CommandLineAnswer{0, usage(parser.helpText())};
    } else if (parser.isSet(version)) {
        line.answer = CommandLineAnswer{0, QStringLiteral("%1 %2\n").arg(identity::command, identity::version)};
    } else if (!parser.positionalArguments().isEmpty()) {
        line.answer = mistake(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    line.platform = parser.value(QStringLiteral("platform"));
    line.display = parser.value(QStringLiteral("display"));
    return line;
}

int giveAnswer(int argc, char* argv[], const CommandLineAnswer& answer)
{
    return host::answerCommandLine(argc, argv, identity::applicationTitle, answer.text, answer.status);
}
