#include "TCommandLine.h"

#include "Exception.h"
#include "TKeyStroke.h"
#include "TPgUri.h"

#include <QFileInfo>
#include <optional>

namespace {

const QLatin1String optionPrefix("--");

// The option's name: the argument up to an "=" that gives its value.
QString OptionName(const QString& argument)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    return argument.startsWith(optionPrefix) && equals > 0 ? argument.left(equals) : argument;
}

} // namespace

TCommandLine::TCommandLine(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-')))
            throw Exception(QStringLiteral("Unexpected argument '%1'.").arg(arguments[i]));
        i = ReadOption(arguments, i);
    }
    if (m_screenshot.isEmpty() && !m_steps.isEmpty())
        throw Exception(QStringLiteral("--click, --double-click, --key, --hover, --wait and --drop "
                                       "go with --screenshot FILE."));
    if (m_screenshot.isEmpty() && !m_prints.isEmpty())
        throw Exception(QStringLiteral("--print goes with --screenshot FILE."));
    TPgUri::CheckNoPassword(m_catalogue);
}

qsizetype TCommandLine::ReadOption(const QStringList& arguments, qsizetype index)
{
    const QString& argument = arguments[index];
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
        m_help = true;
        return index;
    }
    if (argument == QLatin1String("--version")) {
        m_version = true;
        return index;
    }
    const QString name = OptionName(argument);
    QString* single = nullptr;
    QStringList* repeated = nullptr;
    const std::optional<TScreenshotStep::Kind> step = StepKind(name);
    if (name == QLatin1String("--catalogue"))
        single = &m_catalogue;
    else if (name == QLatin1String("--screenshot"))
        single = &m_screenshot;
    else if (name == QLatin1String("--print"))
        repeated = &m_prints;
    else if (!step)
        throw Exception(QStringLiteral("Unknown option '%1'.").arg(name));

    QString value;
    if (name != argument)
        value = argument.mid(name.size() + 1);
    else if (index + 1 < arguments.size())
        value = arguments[++index];
    if (value.isEmpty())
        throw Exception(QStringLiteral("%1 needs a value.").arg(name));
    if (step) {
        CheckStep(*step, name, value);
        m_steps.append({*step, value, {}});
        if (*step == TScreenshotStep::Kind::Drop)
            index = ReadDroppedFiles(arguments, index, m_steps.last());
    } else if (repeated) {
        repeated->append(value);
    } else if (single->isEmpty()) {
        *single = value;
    } else {
        throw Exception(QStringLiteral("%1 is given twice.").arg(name));
    }
    return index;
}

// The files of --drop NAME FILE...: the arguments up to the next option.
qsizetype TCommandLine::ReadDroppedFiles(const QStringList& arguments, qsizetype index,
                                         TScreenshotStep& step)
{
    while (index + 1 < arguments.size() && !arguments[index + 1].startsWith(optionPrefix))
        step.files << QFileInfo(arguments[++index]).absoluteFilePath();
    if (step.files.isEmpty())
        throw Exception(QStringLiteral("--drop %1 needs files to drop.").arg(step.value));
    return index;
}

std::optional<TScreenshotStep::Kind> TCommandLine::StepKind(const QString& option)
{
    using K = TScreenshotStep::Kind;
    static const std::pair<QLatin1String, K> options[] = {
        {QLatin1String("--click"), K::Click}, {QLatin1String("--double-click"), K::DoubleClick},
        {QLatin1String("--key"), K::Key},     {QLatin1String("--hover"), K::Hover},
        {QLatin1String("--wait"), K::Wait},   {QLatin1String("--drop"), K::Drop}};
    for (const auto& [name, kind] : options)
        if (option == name)
            return kind;
    return std::nullopt;
}

void TCommandLine::CheckStep(TScreenshotStep::Kind kind, const QString& option,
                             const QString& value)
{
    if (kind == TScreenshotStep::Kind::Wait) {
        bool number = false;
        const int milliseconds = value.toInt(&number);
        if (!number || milliseconds < 0)
            throw Exception(QStringLiteral("%1 needs milliseconds, not '%2'.").arg(option, value));
    }
    if (kind == TScreenshotStep::Kind::Key && !TKeyStroke::Parse(value))
        throw Exception(QStringLiteral("%1: '%2' is no key.").arg(option, value));
}

QString TCommandLine::Usage()
{
    return QStringLiteral(
        "Usage: zentuvio [--catalogue FILE|URI]\n"
        "                [--screenshot FILE [--click NAME | --double-click NAME | --key KEY\n"
        "                                   | --hover NAME | --wait MS\n"
        "                                   | --drop NAME FILE...]... [--print NAME]...]\n"
        "A gallery of user-interface artwork: icon collections and screen templates.\n"
        "\n"
        "  --catalogue FILE   open this picture catalogue (made with zentuvio-catalogue)\n"
        "                     instead of the sample catalogue\n"
        "  --catalogue URI    open the catalogue on a PostgreSQL server named by the URI\n"
        "                     postgresql://[user@]host[:port]/dbname[?param=value&...];\n"
        "                     the password comes from ~/.pgpass, PGPASSWORD or PGSERVICE\n"
        "  --screenshot FILE  start, write the main window as a PNG file and exit; without\n"
        "                     a display the offscreen platform is used\n"
        "  --click NAME       with --screenshot: first click the named control (repeatable)\n"
        "  --double-click NAME\n"
        "                     with --screenshot: first double-click the named control\n"
        "                     (repeatable)\n"
        "  --key KEY          with --screenshot: send a key to the focused window, spelt\n"
        "                     like Alt, Down, Return, Esc or Ctrl+Tab (repeatable)\n"
        "  --hover NAME       with --screenshot: move the pointer over the named control\n"
        "                     or menu item\n"
        "  --wait MS          with --screenshot: let MS milliseconds pass\n"
        "  --drop NAME FILE...\n"
        "                     with --screenshot: drop the files onto the named control,\n"
        "                     as from a file manager\n"
        "                     (steps run in the order given, and go on while a box\n"
        "                     is open; a box still open at the end is cancelled)\n"
        "  --print NAME       with --screenshot: print the named control's caption\n"
        "                     (repeatable)\n"
        "  --help             show this text\n"
        "  --version          show the version\n"
        "\n"
        "The catalogue Data/Mirelvane.mdb and the help page help/question.htm are looked\n"
        "for beside the program, then in the installed data folder (share/zentuvio).\n"
        "Exit status: 0 done, 1 failed (also a step that could not finish), 2 wrong\n"
        "command line or unknown control name.\n");
}

QString TCommandLine::VersionText()
{
    return QStringLiteral("zentuvio " ZENTUVIO_VERSION "\n");
}
