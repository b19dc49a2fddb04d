#include "platform/FontList.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include <algorithm>

namespace {

// The writing system a character set needs, and for the Latin variants one
// letter that only fonts covering that code page carry.
struct CharSetRule {
    const char* name;
    int value;
    QFontDatabase::WritingSystem system;
    char16_t probe; // 0: the writing system alone decides
};

constexpr CharSetRule kRules[] = {
    { "Western", 1, QFontDatabase::Latin, 0 },
    { "Central/Eastern European", 238, QFontDatabase::Latin, u'\u0151' }, // o with double acute
    { "Cyrillic", 204, QFontDatabase::Cyrillic, 0 },
    { "Greek", 161, QFontDatabase::Greek, 0 },
    { "Turkish", 162, QFontDatabase::Latin, u'\u011F' }, // g with breve
    { "Hebrew", 177, QFontDatabase::Hebrew, 0 },
    { "Arabic", 178, QFontDatabase::Arabic, 0 },
    { "Baltic", 186, QFontDatabase::Latin, u'\u0117' }, // e with dot above
    { "Japanese (shift-jis)", 128, QFontDatabase::Japanese, 0 },
    { "Thai", 222, QFontDatabase::Thai, 0 },
    { "Chinese (simplified)", 134, QFontDatabase::SimplifiedChinese, 0 },
    { "Korean (Wansung)", 129, QFontDatabase::Korean, 0 },
    { "Chinese (traditional)", 136, QFontDatabase::TraditionalChinese, 0 },
};

} // namespace

QStringList scalableFontFamilies()
{
    QStringList result;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isPrivateFamily(family))
            result.append(family);
    std::sort(result.begin(), result.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return result;
}

std::vector<CharSetEntry> charSetsOfFamily(const QString& family)
{
    std::vector<CharSetEntry> result { { QStringLiteral("n/a"), 0 } };
    QFont font(family);
    font.setPixelSize(16);
    // An alias such as "Arial" names no installed family; the family that
    // stands in for it when text is drawn is the one whose sets count.
    const QString actual = QFontInfo(font).family();
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(actual);
    const QRawFont raw = QRawFont::fromFont(font);
    for (const CharSetRule& rule : kRules) {
        if (!systems.contains(rule.system))
            continue;
        if (rule.probe != 0 && !(raw.isValid() && raw.supportsCharacter(QChar(rule.probe))))
            continue;
        result.push_back({ QString::fromLatin1(rule.name), rule.value });
    }
    return result;
}
