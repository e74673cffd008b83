// Texts the application shell derives: the title, the notice caption and the error box text.
#pragma once

#include <QString>

namespace corvane {

// From the executable's path: directory dropped (up to the last "/" or "\"), cut at the first
// ".", every character after the first in lower case. "C:\APPS\ABC.DEF.EXE" gives "Abc".
QString ApplicationTitle(const QString& executablePath);

// The executable's file name with its extension, from the first 128 characters of its path:
// the part after the last "/", "\" or ":".
QString NoticeCaption(const QString& executablePath);

// The message with a "." appended when its last character sorts after ".".
QString ErrorBoxText(const QString& message);

}  // namespace corvane
