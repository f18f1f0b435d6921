#include "match/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <map>
#include <memory>

namespace {
const QString kBuiltIn = QStringLiteral(":/translations");
const QString kEnglish = QStringLiteral("en");

QString current_ = kEnglish;            // NOLINT: one language for the whole program, set at start
std::unique_ptr<QTranslator> g_program; // NOLINT
std::unique_ptr<QTranslator> g_qt;      // NOLINT

// "de_DE", "de-AT", "de" -> "de"
QString baseOf(const QString &name)
{
    return name.section(QLatin1Char('_'), 0, 0)
        .section(QLatin1Char('-'), 0, 0)
        .section(QLatin1Char('.'), 0, 0)
        .toLower();
}

// Said in English, the language the program then speaks.
QString noTranslation(const QString &asked)
{
    return QStringLiteral("scoreboard: no translation for \"%1\" - the program speaks English").arg(asked);
}

std::unique_ptr<QTranslator> programTranslator(const QString &code)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("scoreboard_") + code, kBuiltIn))
        return nullptr;
    return translator;
}

// Qt's own texts (the standard buttons, the context menu of a text field):
// the system's copy on Linux, the one beside the program on Windows.
std::unique_ptr<QTranslator> qtTranslator(const QString &code)
{
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString &folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral("qtbase_") + code, folder))
            return translator;
    }
    return nullptr;
}
} // namespace

namespace Language {
QStringList translated()
{
    static const QStringList codes = [] {
        QStringList found;
        for (const QString &file : QDir(kBuiltIn).entryList({QStringLiteral("scoreboard_*.qm")}, QDir::Files))
            found << file.mid(int(sizeof "scoreboard_") - 1).chopped(3);
        return found;
    }();
    return codes;
}

QString builtIn(const QString &asked)
{
    const QString code = baseOf(asked);
    return !code.isEmpty() && (code == kEnglish || translated().contains(code)) ? code : QString();
}

Choice choose(const QString &asked, const QStringList &system)
{
    if (!asked.isEmpty()) {
        if (const QString code = builtIn(asked); !code.isEmpty())
            return {code, {}};
        return {kEnglish, noTranslation(asked)};
    }
    for (const QString &wanted : system)
        if (const QString code = builtIn(wanted); !code.isEmpty())
            return {code, {}};
    // "C" and "POSIX" ask for no language: English without a word.
    const QString first = system.isEmpty() ? QString() : baseOf(system.constFirst());
    if (first.isEmpty() || first == QLatin1String("c") || first == QLatin1String("posix"))
        return {kEnglish, {}};
    return {kEnglish, noTranslation(system.constFirst())};
}

void install(const QString &code)
{
    for (auto *translator : {&g_program, &g_qt})
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
    g_program.reset();
    g_qt.reset();
    const bool known = translated().contains(code);
    current_ = known ? code : kEnglish;
    // English has its plural forms only; Qt's own texts are English already.
    g_program = programTranslator(current_);
    if (current_ != kEnglish)
        g_qt = qtTranslator(current_);
    for (auto *translator : {&g_program, &g_qt})
        if (*translator)
            QCoreApplication::installTranslator(translator->get());
}

QString current()
{
    return current_;
}

QString translate(const QString &code, const char *context, const char *source, const char *comment, int n)
{
    // Each language loaded once, when a page first asks for it.
    if (code == current_)
        return QCoreApplication::translate(context, source, comment, n);
    static std::map<QString, std::unique_ptr<QTranslator>> loaded; // NOLINT
    // Only a language there is: the code may come from a page's address.
    const QString language = translated().contains(code) ? code : kEnglish;
    auto found = loaded.find(language);
    if (found == loaded.end())
        found = loaded.emplace(language, programTranslator(language)).first;
    QString text = found->second ? found->second->translate(context, source, comment, n) : QString();
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}
} // namespace Language
