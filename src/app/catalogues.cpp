#include "app/catalogues.h"

#include "core/words.h"
#include "drawings/screen_words.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace rods {
namespace {

// The catalogue's words, looked up as the tutor's logic asks for them.
class CatalogueLookup : public WordLookup {
public:
    CatalogueLookup(const QTranslator& catalogue, const QString& language)
        : catalogue_(catalogue)
        , separator_(groupSeparatorOf(language))
        , rightToLeft_(QLocale(language).textDirection() == Qt::RightToLeft)
    {
    }

    std::optional<std::string> find(const char* context, const char* text) const override
    {
        const QString found = catalogue_.translate(context, text);
        return found.isEmpty() ? std::nullopt : std::optional(found.toStdString());
    }

    std::optional<std::string> findCounted(const char* context, const char* singular, long long count) const override
    {
        const QString found = catalogue_.translate(context, singular, nullptr, static_cast<int>(count));
        return found.isEmpty() ? std::nullopt : std::optional(found.toStdString());
    }

    std::string groupSeparator() const override { return separator_; }
    bool rightToLeft() const override { return rightToLeft_; }

private:
    // As the language groups digits, written 0 to 9 everywhere: where its
    // own digits differ (Arabic), a narrow space, which reads the same in
    // either direction.
    static std::string groupSeparatorOf(const QString& language)
    {
        const QLocale locale(language);
        if (locale.zeroDigit() != QLatin1String("0"))
            return "\u202f";
        return locale.groupSeparator().toStdString();
    }

    const QTranslator& catalogue_;
    std::string separator_;
    bool rightToLeft_;
};

QTranslator& programCatalogue()
{
    // Lives as long as the program; made only when a language is loaded.
    static QTranslator* catalogue = new QTranslator;
    return *catalogue;
}

QString catalogueFile(const QString& language) { return QString(":/i18n/numbering-rods_%1.qm").arg(language); }

QString languageAsked(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--language" || argument == "-language")
            return i + 1 < arguments.size() ? arguments[i + 1] : QString("?");
        for (const char* option : {"--language=", "-language="})
            if (argument.startsWith(QLatin1String(option)))
                return argument.mid(static_cast<qsizetype>(qstrlen(option)));
    }
    return {};
}

} // namespace

QStringList builtInLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(":/i18n").entryList({"numbering-rods_*.qm"}, QDir::Files, QDir::Name))
        languages << file.mid(15, file.size() - 15 - 3);
    return languages;
}

QString spokenLanguage(const QString& code)
{
    const QString language = code.section('-', 0, 0).section('_', 0, 0).section('.', 0, 0).toLower();
    if (language == "en" || language == "c" || language == "posix")
        return "en";
    return builtInLanguages().contains(language) ? language : QString();
}

QString chooseLanguage(const QStringList& arguments)
{
    if (const QString asked = languageAsked(arguments); !asked.isEmpty())
        return spokenLanguage(asked);
    for (const QString& language : QLocale::system().uiLanguages())
        if (const QString spoken = spokenLanguage(language); !spoken.isEmpty())
            return spoken;
    return "en";
}

QString unknownLanguageMessage(const QStringList& arguments)
{
    QStringList codes{"en"};
    for (const QString& language : builtInLanguages())
        if (language != "pseudo") // made for the tests alone
            codes << language;
    // TRANSLATORS: %1 is what was typed after --language, %2 the codes of
    // the languages there are, such as "en, de, fr, es, ar".
    return uiText("CommandLine", "numbering-rods: the program does not speak the language \"%1\": choose one of %2.")
        .arg(languageAsked(arguments), codes.join(", "));
}

void loadWords(const QString& language)
{
    if (language == "en" || !programCatalogue().load(catalogueFile(language)))
        return;
    installWordLookup(std::make_shared<CatalogueLookup>(programCatalogue(), language));
}

void loadToolkitWords(const QString& language)
{
    if (language == "en")
        return;
    // TRANSLATORS: not a sentence: "RTL" for a language written from right
    // to left (Arabic, Hebrew, Persian), "LTR" for any other. The windows
    // lay out by it, even where Qt's own catalogue is not installed.
    static_cast<void>(mark("QGuiApplication", "QT_LAYOUT_DIRECTION"));
    auto* toolkit = new QTranslator(QCoreApplication::instance());
    if (toolkit->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    if (!programCatalogue().isEmpty())
        QCoreApplication::installTranslator(&programCatalogue());
}

} // namespace rods
