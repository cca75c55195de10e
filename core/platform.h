#pragma once
// The services of the desktop that the program asks for: message boxes and
// input boxes. The Qt implementation shows the real thing; tests answer from
// a script and record what was asked.

#include <QString>

enum class MsgSymbol { Keins, Kritisch, Frage, Ausruf, Information };
enum class MsgKnoepfe { OK, OKAbbrechen, JaNein, JaNeinAbbrechen };
enum class MsgAntwort { OK, Abbrechen, Ja, Nein };

class Plattform {
public:
    virtual ~Plattform() = default;

    // A message box. An empty title shows the program's title. A line break
    // in the text is the single character 13.
    virtual MsgAntwort MsgBox(const QString& text, MsgSymbol symbol = MsgSymbol::Keins,
                              MsgKnoepfe knoepfe = MsgKnoepfe::OK,
                              const QString& titel = QString()) = 0;

    // An input box; answers the empty text when the user cancels.
    virtual QString InputBox(const QString& prompt, const QString& titel = QString(),
                             const QString& vorgabe = QString()) = 0;
};
