#include "core/number_text.h"

#include "core/runtime_error.h"

namespace {

bool zeichenErlaubt(const QString& s)
{
    static const QString erstes = QStringLiteral("-+0123456789");
    static const QString weitere = QStringLiteral(".,/0123456789");
    for (int i = 0; i < s.size(); ++i)
        if (!(i == 0 ? erstes : weitere).contains(s.at(i)))
            return false;
    return true;
}

}  // namespace

bool IstZahl(QString& s)
{
    if (!zeichenErlaubt(s))
        return false;

    int punkte = 0;
    int schraegstrich = -1;
    for (int i = 0; i < s.size(); ++i) {
        if (s.at(i) == QChar(','))
            s[i] = QChar('.');
        if (s.at(i) == QChar('.')) {
            ++punkte;
            if ((punkte == 2 && schraegstrich < 0) || punkte == 3)
                return false;
        }
        if (s.at(i) == QChar('/')) {
            if (schraegstrich >= 0)
                return false;
            schraegstrich = i;
        }
    }

    // The value the text stands for must fit a 32-bit float; a denominator
    // that reads as 0 gives no value at all. Either way the text is refused.
    try {
        if (schraegstrich < 0) {
            AlsSingle(Val(s));
            return true;
        }
        const QString zaehler = s.left(schraegstrich);
        const QString nenner =
            schraegstrich == s.size() - 1 ? QStringLiteral("1") : s.mid(schraegstrich + 1);
        const double quotient = Teile(Val(zaehler), Val(nenner));
        AlsSingle(quotient);
        QString text = StrText(quotient, 15);
        if (text.startsWith(QChar(' ')))
            text.remove(0, 1);
        s = text;
        return true;
    } catch (const LaufzeitFehler&) {
        return false;
    }
}
