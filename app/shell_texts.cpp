// Title, notice caption and error text rules.
#include "shell_texts.h"

namespace corvane {
namespace {

qsizetype LastDirectorySeparator(const QString& path, bool driveColon) {
    qsizetype at = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    if (driveColon) at = std::max(at, path.lastIndexOf(':'));
    return at;
}

}  // namespace

QString ApplicationTitle(const QString& executablePath) {
    QString name = executablePath.mid(LastDirectorySeparator(executablePath, false) + 1);
    const qsizetype dot = name.indexOf('.');
    if (dot >= 0) name.truncate(dot);
    return name.left(1) + name.mid(1).toLower();
}

QString NoticeCaption(const QString& executablePath) {
    const QString path = executablePath.left(128);
    return path.mid(LastDirectorySeparator(path, true) + 1);
}

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > '.') return message + '.';
    return message;
}

}  // namespace corvane
