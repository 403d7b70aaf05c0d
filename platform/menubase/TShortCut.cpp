#include "TShortCut.h"

#include "TKeyCodes.h"

#include <array>
#include <utility>

namespace {

constexpr unsigned short KeyMask = 0x00FF;

constexpr unsigned short vkNumpad0 = 0x60;
constexpr unsigned short vkNumpad9 = 0x69;
constexpr unsigned short vkF24 = 0x87;

// Keys whose name is not their character or a numbered name.
constexpr std::array<std::pair<unsigned short, const char*>, 31> NamedKeys{{
    {vkBack, "BkSp"},   {vkTab, "Tab"},    {vkReturn, "Enter"}, {vkEscape, "Esc"},
    {vkSpace, "Space"}, {vkPrior, "PgUp"}, {vkNext, "PgDn"},    {vkEnd, "End"},
    {vkHome, "Home"},   {vkLeft, "Left"},  {vkUp, "Up"},        {vkRight, "Right"},
    {vkDown, "Down"},   {vkInsert, "Ins"}, {vkDelete, "Del"},   {0x6A, "Num *"},
    {0x6B, "Num +"},    {0x6D, "Num -"},   {0x6E, "Num Del"},   {0x6F, "Num /"},
    {0xBA, ";"},        {0xBB, "="},       {0xBC, ","},         {0xBD, "-"},
    {0xBE, "."},        {0xBF, "/"},       {0xC0, "`"},         {0xDB, "["},
    {0xDC, "\\"},       {0xDD, "]"},       {0xDE, "'"},
}};

struct Modifier {
    TShortCut bit;
    const char* name;
};
constexpr std::array<Modifier, 3> Modifiers{
    {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}}};

bool IsDigitOrLetter(unsigned short key)
{
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
}

// Removes one leading modifier name from text and gives its bit, or scNone.
TShortCut TakeModifier(QString& text)
{
    for (const Modifier& modifier : Modifiers) {
        const QLatin1StringView name(modifier.name);
        if (text.startsWith(name, Qt::CaseInsensitive)) {
            text.remove(0, name.size());
            return modifier.bit;
        }
    }
    return scNone;
}

unsigned short KeyOfName(const QString& name)
{
    if (name.isEmpty())
        return 0;
    for (unsigned short key = 1; key <= KeyMask; ++key) {
        if (name.compare(KeyNameText(key), Qt::CaseInsensitive) == 0)
            return key;
    }
    return 0;
}

} // namespace

TShortCut ShortCut(unsigned short key, TShiftState shift)
{
    TShortCut result = key & KeyMask;
    if (shift.Contains(TShift::ssShift))
        result |= scShift;
    if (shift.Contains(TShift::ssCtrl))
        result |= scCtrl;
    if (shift.Contains(TShift::ssAlt))
        result |= scAlt;
    return result;
}

QString KeyNameText(unsigned short key)
{
    if (IsDigitOrLetter(key))
        return QString(QChar(key));
    if (key >= vkF1 && key <= vkF24)
        return QStringLiteral("F%1").arg(key - vkF1 + 1);
    if (key >= vkNumpad0 && key <= vkNumpad9)
        return QStringLiteral("Num %1").arg(key - vkNumpad0);
    for (const auto& [code, name] : NamedKeys) {
        if (code == key)
            return QString::fromLatin1(name);
    }
    return QString();
}

QString ShortCutToText(TShortCut shortCut)
{
    const QString keyName = KeyNameText(shortCut & KeyMask);
    if (keyName.isEmpty())
        return QString();
    QString text;
    for (const Modifier& modifier : Modifiers) {
        if (shortCut & modifier.bit)
            text += QLatin1StringView(modifier.name);
    }
    return text + keyName;
}

TShortCut TextToShortCut(const QString& text)
{
    QString rest = text.trimmed();
    TShortCut modifiers = scNone;
    for (TShortCut modifier = TakeModifier(rest); modifier != scNone; modifier = TakeModifier(rest))
        modifiers |= modifier;
    const unsigned short key = KeyOfName(rest);
    return key == 0 ? scNone : TShortCut(modifiers | key);
}
