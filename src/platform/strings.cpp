#include "platform/strings.h"

#include "resources/string_table.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <optional>

namespace platform {

namespace {

std::optional<Language> g_language;
bool g_translateQt = false;
QTranslator* g_qtTranslator = nullptr;

const resources::StringTableRow* findRow(int id)
{
    for (int i = 0; i < resources::kStringTableSize; ++i)
        if (resources::kStringTable[i].id == id)
            return &resources::kStringTable[i];
    return nullptr;
}

// Qt's translation file for a language, without its ".qm"; none for English.
QString qtTranslationFile(Language lang)
{
    switch (lang) {
    case Language::TraditionalChinese: return QStringLiteral("qtbase_zh_TW");
    case Language::SimplifiedChinese: return QStringLiteral("qtbase_zh_CN");
    case Language::English:
    case Language::Neutral: break;
    }
    return {};
}

void replaceQtTranslation()
{
    // Deleting a translator takes it out of the application.
    delete g_qtTranslator;
    g_qtTranslator = nullptr;
    const QString file = g_translateQt ? qtTranslationFile(language()) : QString();
    if (file.isEmpty())
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(file, folder)) {
        // Without the translations package Qt's texts stay English; the program's own follow.
        qWarning("No Qt translation %s in %s", qPrintable(file), qPrintable(folder));
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    g_qtTranslator = translator;
}

} // namespace

Language languageForLocale(const QString& localeName)
{
    QString n = localeName;
    n.replace('_', '-');
    n = n.toLower();
    // Script-tagged names ("zh-Hant-TW") carry the region last.
    if (n.startsWith("zh-hant") || n.endsWith("-tw") || n.endsWith("-hk") || n.endsWith("-mo"))
        return n.startsWith("zh") ? Language::TraditionalChinese : Language::English;
    if (n.startsWith("zh-hans") || n.endsWith("-cn") || n.endsWith("-sg"))
        return n.startsWith("zh") ? Language::SimplifiedChinese : Language::English;
    return Language::English;
}

Language language()
{
    if (!g_language) {
        const QStringList ui = QLocale::system().uiLanguages();
        g_language = languageForLocale(ui.isEmpty() ? QLocale::system().name() : ui.first());
    }
    return *g_language;
}

void setLanguage(Language lang)
{
    const bool changed = g_language != lang;
    g_language = lang;
    if (changed && g_translateQt)
        replaceQtTranslation();
}

void translateQtTexts(bool on)
{
    g_translateQt = on;
    replaceQtTranslation();
}

QString resString(int id, Language lang)
{
    const resources::StringTableRow* row = findRow(id);
    if (!row)
        return {};
    const char* text = nullptr;
    switch (lang) {
    case Language::TraditionalChinese: text = row->zhTW; break;
    case Language::English: text = row->en; break;
    case Language::Neutral: text = row->neutral; break;
    case Language::SimplifiedChinese: text = row->zhCN; break;
    }
    return text ? QString::fromUtf8(text) : QString();
}

QString LoadResString(int id) { return resString(id, language()); }

bool hasResString(int id) { return findRow(id) != nullptr; }

QString withoutAccelerator(const QString& caption)
{
    QString text = caption;
    // A bracketed mark stands for the letter of a caption that has none of its own.
    static const QRegularExpression kBracketed(QStringLiteral("\\s*\\(&[^&)]\\)"));
    text.remove(kBracketed);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // "&x" is the letter x, "&&" a "&".
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

} // namespace platform
