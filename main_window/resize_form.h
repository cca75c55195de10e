#pragma once
// Scales a window and every control on it from the design resolution to the
// screen: positions and widths by x, heights by y, fonts by y only.

class QWidget;

// The controls of a window are its named child widgets at any depth (those
// inside a frame included), in the order of the window's control list.
// By kind:
//   line (a horizontal or vertical line frame): its end points; font untouched
//   text field: position and size; its font is left alone
//   vertical scroll bar: top, left and height; width unchanged
//   horizontal scroll bar: top, left and width; height unchanged
//   any other control: font "Tahoma" at size times y, position and size
// A property a control does not have (the font of a picture), or a value the
// window system refuses (negative or too large), is left unchanged silently.
// Every product is taken on the current value, so scaling twice scales twice.
void ResizeForm(QWidget& frm, float x, float y);
