#include "platform/strings.h"

#include "resources/string_table.h"

#include <QLocale>
#include <QRegularExpression>

#include <optional>

namespace platform {

namespace {

std::optional<Language> g_language;

const resources::StringTableRow* findRow(int id)
{
    for (int i = 0; i < resources::kStringTableSize; ++i)
        if (resources::kStringTable[i].id == id)
            return &resources::kStringTable[i];
    return nullptr;
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

void setLanguage(Language lang) { g_language = lang; }

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
