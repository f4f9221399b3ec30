#include "LanguageCode.h"

#include <QHash>

namespace {
struct CodeName
{
    const char16_t *code;
    const char16_t *name;
};

// Names are kept letter for letter as the cameras' language lists have always been labelled,
// including the odd spellings ("Volap?k", "Chinese(Traditional/Contonese)").
constexpr CodeName kLanguageNames[] = {
    {u"ab", u"Abkhazian"},
    {u"aa", u"Afar"},
    {u"af", u"Afrikaans"},
    {u"sq", u"Albanian"},
    {u"am", u"Amharic"},
    {u"ar", u"Arabic"},
    {u"an", u"Aragonese"},
    {u"hy", u"Armenian"},
    {u"as", u"Assamese"},
    {u"ay", u"Aymara"},
    {u"az", u"Azerbaijani"},
    {u"ba", u"Bashkir"},
    {u"eu", u"Basque"},
    {u"bn", u"Bengali (Bangla)"},
    {u"dz", u"Bhutani"},
    {u"bh", u"Bihari"},
    {u"bi", u"Bislama"},
    {u"br", u"Breton"},
    {u"bg", u"Bulgarian"},
    {u"my", u"Burmese"},
    {u"be", u"Byelorussian (Belarusian)"},
    {u"km", u"Cambodian"},
    {u"ca", u"Catalan"},
    {u"zh", u"Chinese"},
    {u"zh-Hans", u"Chinese (Simplified)"},
    {u"zh-Hant", u"Chinese (Traditional)"},
    {u"zh-cmn", u"Mandarin Chinese"},
    {u"zh-cmn-Hans", u"Mandarin Chinese (Simplified)"},
    {u"zh-cmn-Hant", u"Mandarin Chinese (Traditional)"},
    {u"zh-Hans-CN", u"PRC Mainland Chinese in simplified script"},
    {u"zh-Hans-HK", u"Hong Kong Chinese in simplified script"},
    {u"zh-Hans-MO", u"Macao Chinese in simplified script"},
    {u"zh-Hans-TW", u"Taiwan Chinese in simplified script"},
    {u"zh-Hant-CN", u"PRC Mainland Chinese in traditional script"},
    {u"zh-Hant-HK", u"Chinese(Traditional/Contonese)"},
    {u"zh-Hant-MO", u"Macao Chinese in traditional script"},
    {u"zh-Hant-SG", u"Singapore Chinese in traditional script"},
    {u"zh-Hant-TW", u"Taiwan Chinese in traditional script"},
    {u"zh-wuu", u"Shanghaiese or Wu"},
    {u"co", u"Corsican"},
    {u"hr", u"Croatian"},
    {u"cs", u"Czech"},
    {u"da", u"Danish"},
    {u"nl", u"Dutch"},
    {u"en", u"English"},
    {u"eo", u"Esperanto"},
    {u"et", u"Estonian"},
    {u"fo", u"Faeroese"},
    {u"fa", u"Farsi"},
    {u"fj", u"Fiji"},
    {u"fi", u"Finnish"},
    {u"fr", u"French"},
    {u"fy", u"Frisian"},
    {u"gl", u"Galician"},
    {u"gd", u"Gaelic (Scottish)"},
    {u"gv", u"Gaelic (Manx)"},
    {u"ka", u"Georgian"},
    {u"de", u"German"},
    {u"el", u"Greek"},
    {u"kl", u"Greenlandic"},
    {u"gn", u"Guarani"},
    {u"gu", u"Gujarati"},
    {u"ht", u"Haitian Creole"},
    {u"ha", u"Hausa"},
    {u"he", u"Hebrew"},
    {u"iw", u"Hebrew"},
    {u"hi", u"Hindi"},
    {u"hu", u"Hungarian"},
    {u"is", u"Icelandic"},
    {u"io", u"Ido"},
    {u"id", u"Indonesian"},
    {u"in", u"Indonesian"},
    {u"ia", u"Interlingua"},
    {u"ie", u"Interlingue"},
    {u"iu", u"Inuktitut"},
    {u"ik", u"Inupiak"},
    {u"ga", u"Irish"},
    {u"it", u"Italian"},
    {u"ja", u"Japanese"},
    {u"jv", u"Javanese"},
    {u"kn", u"Kannada"},
    {u"ks", u"Kashmiri"},
    {u"kk", u"Kazakh"},
    {u"rw", u"Kinyarwanda (Ruanda)"},
    {u"ky", u"Kirghiz"},
    {u"rn", u"Kirundi (Rundi)"},
    {u"ko", u"Korean"},
    {u"ku", u"Kurdish"},
    {u"lo", u"Laothian"},
    {u"la", u"Latin"},
    {u"lv", u"Latvian (Lettish)"},
    {u"li", u"Limburgish ( Limburger)"},
    {u"ln", u"Lingala"},
    {u"lt", u"Lithuanian"},
    {u"mk", u"Macedonian"},
    {u"mg", u"Malagasy"},
    {u"ms", u"Malay"},
    {u"ml", u"Malayalam"},
    {u"mt", u"Maltese"},
    {u"mi", u"Maori"},
    {u"mr", u"Marathi"},
    {u"mo", u"Moldavian"},
    {u"mn", u"Mongolian"},
    {u"na", u"Nauru"},
    {u"ne", u"Nepali"},
    {u"no", u"Norwegian"},
    {u"oc", u"Occitan"},
    {u"or", u"Oriya"},
    {u"om", u"Oromo (Afaan Oromo)"},
    {u"ps", u"Pashto (Pushto)"},
    {u"pl", u"Polish"},
    {u"pt", u"Portuguese"},
    {u"pa", u"Punjabi"},
    {u"qu", u"Quechua"},
    {u"rm", u"Rhaeto-Romance"},
    {u"ro", u"Romanian"},
    {u"ru", u"Russian"},
    {u"sm", u"Samoan"},
    {u"sg", u"Sangro"},
    {u"sa", u"Sanskrit"},
    {u"sr", u"Serbian"},
    {u"sh", u"Serbo-Croatian"},
    {u"st", u"Sesotho"},
    {u"tn", u"Setswana"},
    {u"sn", u"Shona"},
    {u"ii", u"Sichuan Yi"},
    {u"sd", u"Sindhi"},
    {u"si", u"Sinhalese"},
    {u"ss", u"Siswati"},
    {u"sk", u"Slovak"},
    {u"sl", u"Slovenian"},
    {u"so", u"Somali"},
    {u"es", u"Spanish"},
    {u"su", u"Sundanese"},
    {u"sw", u"Swahili (Kiswahili)"},
    {u"sv", u"Swedish"},
    {u"tl", u"Tagalog"},
    {u"tg", u"Tajik"},
    {u"ta", u"Tamil"},
    {u"tt", u"Tatar"},
    {u"te", u"Telugu"},
    {u"th", u"Thai"},
    {u"bo", u"Tibetan"},
    {u"ti", u"Tigrinya"},
    {u"to", u"Tonga"},
    {u"ts", u"Tsonga"},
    {u"tr", u"Turkish"},
    {u"tk", u"Turkmen"},
    {u"tw", u"Twi"},
    {u"ug", u"Uighur"},
    {u"uk", u"Ukrainian"},
    {u"ur", u"Urdu"},
    {u"uz", u"Uzbek"},
    {u"vi", u"Vietnamese"},
    {u"vo", u"Volap?k"},
    {u"wa", u"Wallon"},
    {u"cy", u"Welsh"},
    {u"wo", u"Wolof"},
    {u"xh", u"Xhosa"},
    {u"yi", u"Yiddish"},
    {u"ji", u"Yiddish"},
    {u"yo", u"Yoruba"},
    {u"zu", u"Zulu"},
};

const QHash<QString, QString> &languageNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> table;
        for (const CodeName &entry : kLanguageNames) {
            table.insert(QString::fromUtf16(entry.code), QString::fromUtf16(entry.name));
        }
        return table;
    }();
    return names;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}
} // namespace

QString LanguageCode::languageTitleByExpandingCode(const QString &code)
{
    const QString name = languageNames().value(code);
    return name.isEmpty() ? code : name;
}

QByteArray LanguageCode::dataFromHexString(const QString &hex)
{
    QByteArray bytes;
    bytes.reserve((hex.size() + 1) / 2);
    for (qsizetype pos = 0; pos < hex.size(); pos += 2) {
        int value = 0;
        for (qsizetype i = pos; i < qMin(pos + 2, hex.size()); ++i) {
            const int digit = hexDigit(hex.at(i));
            if (digit < 0) {
                break;
            }
            value = value * 16 + digit;
        }
        bytes.append(char(value));
    }
    return bytes;
}

int LanguageCode::knownCodeCount()
{
    return int(languageNames().size());
}
