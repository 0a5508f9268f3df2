#include "AutostartEntry.h"

#include "ProgramFolder.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString GROUP = QStringLiteral("[Desktop Entry]");
const QString INSTALLED_NAME = QStringLiteral("pensoir");

bool needsQuotes(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (argument.isEmpty()) return true;
    for (const QChar c : argument)
        if (reserved.contains(c) || c.unicode() < 0x20) return true;
    return false;
}

QString quoted(const QString& argument) {
    if (!needsQuotes(argument)) return argument;
    QString result = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            result += QLatin1Char('\\');
        result += c;
    }
    return result + QLatin1Char('"');
}

// String values escape the backslash and the control characters a line cannot hold.
QString escapedString(const QString& value) {
    QString result;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            result += QStringLiteral("\\\\");
            break;
        case '\n':
            result += QStringLiteral("\\n");
            break;
        case '\t':
            result += QStringLiteral("\\t");
            break;
        case '\r':
            result += QStringLiteral("\\r");
            break;
        default:
            result += c;
        }
    }
    return result;
}

QString unescapedString(const QString& value) {
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            result += c;
            continue;
        }
        switch (value[++i].unicode()) {
        case 's':
            result += QLatin1Char(' ');
            break;
        case 'n':
            result += QLatin1Char('\n');
            break;
        case 't':
            result += QLatin1Char('\t');
            break;
        case 'r':
            result += QLatin1Char('\r');
            break;
        case '\\':
            result += QLatin1Char('\\');
            break;
        default: // not an escape of a string value: kept for the quoting rules
            result += c;
            result += value[i];
        }
    }
    return result;
}

// Only blanks and tabs surround keys and values, as desktops read them: a no-break space or another
// Unicode space at either end belongs to the value.
QString withoutBlanks(QStringView text) {
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (!text.isEmpty() && blank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text.toString();
}

bool isAssignment(const QString& argument) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    return equals > 0 && !argument.left(equals).contains(QLatin1Char('/'));
}

} // namespace

QString programToStartAtLogin(const QString& running, bool portable, const QStringList& searchFolders) {
    if (portable) return running;
    const QString installed = QStandardPaths::findExecutable(INSTALLED_NAME, searchFolders);
    return installed.isEmpty() ? running : installed;
}

QByteArray autostartEntry(const QString& program, const QString& programFolder) {
    QStringList command;
    if (!programFolder.isEmpty())
        command << QStringLiteral("env")
                << QString::fromLatin1(PROGRAM_FOLDER_VARIABLE) + QLatin1Char('=') + programFolder;
    command << program;
    const QString entry = GROUP + QStringLiteral("\nType=Application\nName=Pensoir\nExec=") +
                          execValue(command) + QStringLiteral("\nTerminal=false\n");
    return entry.toUtf8();
}

QString execValue(const QStringList& arguments) {
    QStringList parts;
    for (const QString& argument : arguments)
        parts << quoted(argument).replace(QLatin1Char('%'), QStringLiteral("%%"));
    return escapedString(parts.join(QLatin1Char(' ')));
}

QStringList execArguments(const QString& value) {
    const QString line = unescapedString(value);
    QStringList arguments;
    QString current;
    bool inArgument = false, inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                inQuotes = false;
            } else if (c == QLatin1Char('\\') && i + 1 < line.size() &&
                       QStringLiteral("\"`$\\").contains(line[i + 1])) {
                current += line[++i];
            } else {
                current += c;
            }
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            if (inArgument) arguments << current;
            current.clear();
            inArgument = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = inArgument = true;
        } else {
            inArgument = true;
            current += c;
        }
    }
    if (inArgument) arguments << current;
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

AutostartSetting readAutostartEntry(const QByteArray& entry) {
    AutostartSetting setting;
    bool inGroup = false, found = false, hidden = false, switchedOff = false;
    QString exec;
    for (QByteArray rawLine : entry.split('\n')) {
        if (rawLine.endsWith('\r')) rawLine.chop(1);
        const QString line = withoutBlanks(QString::fromUtf8(rawLine));
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == GROUP;
            found = found || inGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || line.startsWith(QLatin1Char('#')) || equals < 0) continue;
        const QString key = withoutBlanks(QStringView(line).left(equals));
        const QString value = withoutBlanks(QStringView(line).sliced(equals + 1));
        if (key == QLatin1String("Exec"))
            exec = value;
        else if (key == QLatin1String("Hidden"))
            hidden = value == QLatin1String("true");
        else if (key == QLatin1String("X-GNOME-Autostart-enabled"))
            switchedOff = value == QLatin1String("false"); // how some desktops switch an entry off
    }
    if (!found || hidden || switchedOff) return setting;
    setting.enabled = true;
    QStringList arguments = execArguments(exec);
    if (!arguments.isEmpty() && QFileInfo(arguments.constFirst()).fileName() == QLatin1String("env")) {
        arguments.removeFirst();
        while (!arguments.isEmpty() && isAssignment(arguments.constFirst()))
            arguments.removeFirst();
    }
    if (!arguments.isEmpty()) setting.program = arguments.constFirst();
    return setting;
}
