#pragma once
// Dragging a name label of a point or a function with the mouse. The label
// follows the pointer; dropped over the sheet it keeps its new place inside
// the sheet's margins and stores it in LE in the label-position table, so
// that redraws, printing and the function file use it. Dropped anywhere
// else it returns to where it was and nothing is stored.

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <cstdint>
#include <optional>

class GraphCore;
class QLabel;
class QMouseEvent;

// A place shown on the sheet's surface (mm) as the place on the sheet at
// full size (mm): the whole-page view is divided by its zoom about the
// sheet's middle, so that the place matches the grid drawn at half size.
QPointF AufDemBlatt(const GraphCore& k, QPointF gezeigt);

// A place on the sheet at full size (mm) in LE of the grid, half a
// millimetre to the left: (X - MitteX + 0.5) / Einheit, (MitteY - Y) / Einheit.
QPointF BlattInLE(const GraphCore& k, QPointF blatt);

// A position shown on the sheet's surface (mm) in LE: at the full view
// (XPos(X) - 199.5) / Einheit and YPos(Y) / Einheit.
QPointF OrtInLE(const GraphCore& k, float X, float Y);

// Top left corner (mm) of a label of the given size dropped with its corner
// at `ecke`: kept 10 mm from the left and right edges and 18.5 mm from
// the top and bottom edges of a sheet of the given size.
QPointF InDenRändern(QPointF ecke, QSizeF label, QSizeF blatt);

// Attached to a label once, where the core creates it; lives as its child.
class BeschriftungZiehen : public QObject {
public:
    BeschriftungZiehen(GraphCore& kern, QLabel& label, bool funktion, int16_t index);
    ~BeschriftungZiehen() override;

    // Where inside the label the pointer took hold of it, in mm.
    float GriffX = 0.0f;
    float GriffY = 0.0f;

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void LabelDragBeginnen(QPointF imLabel);
    void LabelAblegen(QPointF gezeigt);
    void ZeigerSetzen(bool überBlatt);
    bool ÜberBlatt(QPoint global) const;
    void Ende();

    GraphCore& k_;
    QLabel& l_;
    bool funktion_;
    int16_t index_;
    bool gedrückt_ = false;
    bool zieht_ = false;
    QPointF druckOrt_;  // in the label, pixels
    QPoint startOrt_;   // the label's place when the drag began
    std::optional<QCursor> bewegen_;  // the move pointer of this drag
};
