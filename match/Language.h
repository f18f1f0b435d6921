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

// Installs the translations of `code` in the running application (none for
// English) and makes it current().
void install(const QString &code);
QString current();

// `source` in the language `code`, apart from the program's own: for a page
// asked for in another language (lang=). English, or an unknown code, gives
// the source back.
QString translate(const QString &code, const char *context, const char *source, const char *comment = nullptr,
                  int n = -1);
} // namespace Language
