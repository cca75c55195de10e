#pragma once
// The services of the desktop that the program asks for: message boxes,
// input boxes, the colour, file and printer dialogs and the help viewer. The
// Qt implementation shows the real thing; tests answer from a script and
// record what was asked.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class QPrinter;

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

    // The colour dialog, preset with `vorgabe` (&HBBGGRR) and marking it;
    // `farbfeld` fills the dialog's own colour field, so that a preset among
    // them is marked there. Answers the chosen colour, nothing when the user
    // cancels.
    virtual std::optional<int32_t> FarbDialog(int32_t vorgabe,
                                              const std::vector<int32_t>& farbfeld) = 0;

    // The file dialogs, opened in `ordner` with `name` preset and the filter
    // (for instance "Funktionsdateien (*.FKT)"). Opening requires an existing
    // file; saving asks before overwriting. Answer the chosen path, or the
    // empty text when the user cancels.
    virtual QString DateiÖffnenDialog(const QString& titel, const QString& filter,
                                      const QString& ordner, const QString& name) = 0;
    virtual QString DateiSpeichernDialog(const QString& titel, const QString& filter,
                                         const QString& ordner, const QString& name) = 0;

    // The printer dialog on `drucker`; false when the user cancels.
    virtual bool DruckDialog(QPrinter& drucker) = 0;

    // The help viewer: the help file with its contents and index, opened on
    // the page of the context number.
    virtual void HilfeZeigen(const QString& datei, int kontext) = 0;
};
