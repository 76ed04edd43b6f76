#include "platform/DesktopLaunch.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Splits an Exec line into its arguments: blanks separate, double quotes
// group, and inside quotes a backslash takes the next character literally.
// Nothing when a quote is left open.
std::optional<QStringList> splitExec(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted && c == u'\\' && i + 1 < exec.size()) {
            current += exec[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && c.isSpace()) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments << current;
    return arguments;
}

// Expands the field codes of one argument. %f %F name the file, %u %U its URL,
// %c the application's name, %% a percent sign; the others stand for nothing
// here. An argument that is exactly %i becomes "--icon" and the icon.
QStringList expandArgument(const QString& argument, const DesktopApplication& application,
                           const QString& filePath, bool& fileGiven) {
    if (argument == QLatin1String("%i"))
        return application.icon.isEmpty() ? QStringList() : QStringList{"--icon", application.icon};
    QString expanded;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] != u'%' || i + 1 == argument.size()) {
            expanded += argument[i];
            continue;
        }
        switch (argument[++i].unicode()) {
        case 'f':
        case 'F':
            expanded += filePath;
            fileGiven = true;
            break;
        case 'u':
        case 'U':
            expanded += QString::fromLatin1(QUrl::fromLocalFile(filePath).toEncoded());
            fileGiven = true;
            break;
        case 'c':
            expanded += application.name;
            break;
        case '%':
            expanded += u'%';
            break;
        default:
            break;
        }
    }
    const bool onlyFieldCodes = expanded.isEmpty() && !argument.isEmpty();
    return onlyFieldCodes ? QStringList() : QStringList{expanded};
}

bool isExecutable(const QString& program) {
    if (program.contains(u'/'))
        return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

QStringList LaunchCommand(const DesktopApplication& application, const QString& filePath) {
    const std::optional<QStringList> arguments = splitExec(application.exec);
    if (!arguments || arguments->isEmpty())
        return {};
    QStringList command;
    bool fileGiven = false;
    for (const QString& argument : *arguments)
        command << expandArgument(argument, application, filePath, fileGiven);
    if (command.isEmpty())
        return {};
    if (!fileGiven)
        command << filePath;
    return command;
}

bool IsInstalled(const DesktopApplication& application) {
    if (!application.tryExec.isEmpty())
        return isExecutable(application.tryExec);
    const QStringList command = LaunchCommand(application, QString());
    return !command.isEmpty() && isExecutable(command.first());
}

bool LaunchApplication(const DesktopApplication& application, const QString& filePath) {
    QStringList command = LaunchCommand(application, filePath);
    if (command.isEmpty())
        return false;
    const QString program = command.takeFirst();
    return QProcess::startDetached(program, command);
}
