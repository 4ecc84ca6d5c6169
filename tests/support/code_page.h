#pragma once

#include <QByteArray>
#include <QString>

namespace trellan::testing {

// The system's 8-bit character sets whose bytes the tests spell out: UTF-8, Qt's
// only choice on Unix, and Windows-1252, Wine's ANSI code page here and that of
// Western Windows. Tests that spell out bytes skip on any other code page.
enum class CodePage { Utf8, Windows1252, Other };

inline CodePage systemCodePage() {
#ifdef Q_OS_WIN
    // Of the ANSI code pages only Windows-1252 reads these bytes as these letters.
    const bool windows1252 = QString::fromLocal8Bit("\x80\x8A\x9F\xD0\xFE") ==
                             QStringLiteral("\u20AC\u0160\u0178\u00D0\u00FE");
    return windows1252 ? CodePage::Windows1252 : CodePage::Other;
#else
    return CodePage::Utf8;
#endif
}

inline const char* const kOtherCodePage =
    "the expected bytes are spelt out for UTF-8 and Windows-1252 only";

// The bytes a text of the test is held in: its UTF-8 or its Windows-1252 form.
inline QByteArray systemBytes(const QByteArray& utf8, const QByteArray& windows1252) {
    return systemCodePage() == CodePage::Utf8 ? utf8 : windows1252;
}

// A character the system's 8-bit character set cannot hold: a Greek letter for
// Windows-1252 (it has none, and Windows would write "beta" as the German sharp s),
// an unpaired surrogate for UTF-8, which holds every other character.
inline QString characterOutsideCodePage() {
    return systemCodePage() == CodePage::Utf8 ? QString(QChar(0xD800)) : QStringLiteral("\u03B2");
}

// The "Error" box refusing `line` for the script because of `character` (one UTF-16 unit).
inline QString unwritable(const QString& line, const QString& character) {
    const QString code = QString::number(character.at(0).unicode(), 16).toUpper();
    return "Cannot write \"" + line + "\" to a script: the system's character set has no \"" +
           character + "\" (U+" + code.rightJustified(4, u'0') +
           ")! Please use only characters it holds.";
}

}  // namespace trellan::testing
