#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace orvantis {

namespace {

QString Variable(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// "pt_BR.UTF-8@euro" as "pt_BR".
QString BareLocale(QString name)
{
    name = name.section(QLatin1Char('@'), 0, 0);
    return name.section(QLatin1Char('.'), 0, 0);
}

// The shipped language that serves locale: the exact one, else one of the
// same language ("pt_PT" reads the Brazilian texts); "" when none does.
QString ShippedFor(const QString& locale, const QStringList& shipped)
{
    if (shipped.contains(locale)) return locale;
    const QString language = locale.section(QLatin1Char('_'), 0, 0);
    for (const QString& one : shipped)
        if (one.section(QLatin1Char('_'), 0, 0) == language) return one;
    return {};
}

}  // namespace

QStringList ShippedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("orvantis_*.qm")}, QDir::Files))
        languages << file.mid(9).chopped(3);
    return languages;
}

QString ChosenLanguage()
{
    QString locale = Variable("LC_ALL");
    if (locale.isEmpty()) locale = Variable("LC_MESSAGES");
    if (locale.isEmpty()) locale = Variable("LANG");
    locale = BareLocale(locale);
    // As gettext: under the C locale LANGUAGE is not looked at.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX")) return {};
    const QStringList shipped = ShippedLanguages();
    QStringList wanted = Variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString& one : wanted) {
        const QString bare = BareLocale(one);
        // English first in the list means the texts as written.
        if (bare == QLatin1String("en") || bare.startsWith(QLatin1String("en_"))) return {};
        if (const QString language = ShippedFor(bare, shipped); !language.isEmpty()) return language;
    }
    return {};
}

QString InstallTranslations(QCoreApplication& app)
{
    const QString language = ChosenLanguage();
    if (language.isEmpty()) return {};
    auto* own = new QTranslator(&app);
    if (!own->load(QStringLiteral("orvantis_") + language, QStringLiteral(":/i18n"))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (the standard dialogs' buttons), only in a language of
    // ours, so that no window mixes them with English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

}  // namespace orvantis
