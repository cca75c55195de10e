#pragma once
// The result window of the analyses: a small window without behaviour of
// its own that shows the result sentence and up to two new points.

#include "core/dialog_base.h"

class QLabel;

class frmPunkte : public Dialogfenster {
public:
    explicit frmPunkte(QWidget* eltern = nullptr);

    QLabel* Label1;  // the result sentence
    QLabel* labP1;   // the first new point
    QLabel* labP2;   // the second new point
};
