#pragma once

#include <QString>
#include <QStringList>

// The language the program speaks: its own translations, built in, and Qt's
// for its standard texts. English is the source and needs no translation.
namespace Language {
// The languages built in, as codes: "de", "en", "es", ... (English has its
// plural forms only: the source is English).
QStringList translated();

struct Choice
{
    QString code;   // "en", or one of translated()
    QString notice; // for standard error, once: the language asked for has no translation
};
// `asked`: --lang's value, else the setting's, else empty for the system's;
// `system`: the system's languages, most wanted first (QLocale::uiLanguages()).
Choice choose(const QString &asked, const QStringList &system);

// The built-in language `asked` names ("fr-CA", "fr_FR.UTF-8" -> "fr"), or
// empty where there is none.
QString builtIn(const QString &asked);

// Installs the translations of `code` in the running application (none for
// English) and makes it current().
void install(const QString &code);
QString current();

// `source` in the language `code`: the program's own through the installed
// translators, another (a page's lang=) from that language's own. English,
// or an unknown code, gives the source back.
QString translate(const QString &code, const char *context, const char *source, const char *comment = nullptr,
                  int n = -1);
} // namespace Language
