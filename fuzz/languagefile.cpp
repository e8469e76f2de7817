// The language file reader takes files from the user's folders and from the courseware
// server, so any bytes at all. Input: the language file; after a NUL byte the key to
// look up; after further NUL bytes the arguments of the lookups.
#include "translation/languagefile.h"
#include "fuzz/check.h"
#include "translation/placeholders.h"
#include "translation/tolkar.h"

#include <QBuffer>

namespace {

constexpr qsizetype MaxLookedUpKeys = 32;

QString AsciiUpper(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return upper;
}

void Load(TTolkar2000& translator, const QByteArray& file)
{
    QBuffer stream;
    stream.setData(file);
    stream.open(QIODevice::ReadOnly);
    translator.LoadFromStream(stream);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = SplitAtNul(data, size);
    const QString key = QString::fromUtf8(parts.value(1));
    QStringList args;
    for (qsizetype i = 2; i < parts.size(); ++i)
        args << QString::fromUtf8(parts[i]);

    TTolkar2000 translator(QStringLiteral("slopelab"));
    Load(translator, parts[0]);
    const QStringList keys = translator.Keys();
    FUZZ_CHECK(keys.size() == translator.Values().size());

    for (qsizetype i = 0; i < std::min(keys.size(), MaxLookedUpKeys); ++i) {
        FUZZ_CHECK(AsciiLower(keys[i]) == keys[i]);
        // Letter case of a key does not matter.
        FUZZ_CHECK(translator.LookupText(keys[i], args) == translator.LookupText(AsciiUpper(keys[i]), args));
        FUZZ_CHECK(ReplaceArguments(translator.Values()[i], {}) == translator.Values()[i]);
    }
    const QString text = translator.LookupText(key, args);
    if (!keys.contains(AsciiLower(key)))
        FUZZ_CHECK(text == ReplaceArguments(key, args));

    // Loading replaces every entry, so a second load gives the same entries.
    Load(translator, parts[0]);
    FUZZ_CHECK(translator.Keys() == keys);
    return 0;
}
