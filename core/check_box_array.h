#pragma once
// A column of check boxes on a dialog, addressed by index 0 ... 9. Element 0
// belongs to the dialog's design and lives as long as the dialog; the other
// elements are created on demand as copies of element 0 and can be destroyed
// again. Addressing an element that does not exist raises run-time error 340.

#include "core/runtime_error.h"

#include <QString>
#include <array>

class QCheckBox;
class QWidget;

class ChkFeld {
public:
    static constexpr int Elemente = 10;

    // Creates element 0 on the dialog, named name_0 (e.g. "chkFkt_0").
    ChkFeld(QWidget& dialog, QString name);
    ChkFeld(const ChkFeld&) = delete;
    ChkFeld& operator=(const ChkFeld&) = delete;

    bool Existiert(int k) const;
    // Element k; error 340 when it does not exist.
    QCheckBox& operator()(int k) const;
    // Creates element k as a hidden, unticked copy of element 0 (size,
    // position, caption, font); an element that exists already is returned
    // as it is.
    QCheckBox& Laden(int k);
    // Destroys element k (k >= 1); error 340 when it does not exist, error
    // 362 for element 0, which belongs to the design.
    void Entladen(int k);

    bool Angehakt(int k) const;
    void SetzeHaken(int k, bool an);

    const QString& Name() const { return name_; }

private:
    QWidget& dialog_;
    QString name_;
    std::array<QCheckBox*, Elemente> elemente_{};
};

// Run-time error 340: element k of a control array does not exist.
LaufzeitFehler FehlendesElement(int k);
