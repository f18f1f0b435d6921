#pragma once

#include <QByteArray>
#include <QString>

// The words of the remote control's pages. They are kept here, not in the
// pages, so that Qt's translation tools see them; the server puts them into
// each page as it serves it, in the page's language.
namespace PageTexts {
// The language to serve a page in: `asked` (lang= in its address, "fr" or
// "fr-CA") where it names one this program speaks, else the program's own.
// Always one of those codes: never what was asked as it came.
QString languageFor(const QString &asked);

// `page` with each {{id}} replaced by that text in `language`, escaped for
// HTML; {{lang}} is the language's code, and {{texts}} every text as one
// JSON object for the page's scripts, which fill in its %1 %2 themselves.
// An id not known is left as it is, to be seen.
QByteArray filledIn(const QByteArray &page, const QString &language);
} // namespace PageTexts
