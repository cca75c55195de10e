#pragma once

class QApplication;

// Loads Qt's German translation, so that Qt's own dialogs read "Ja", "Nein",
// "Abbrechen". Answers whether it was found.
bool LadeDeutscheUebersetzung(QApplication& app);
