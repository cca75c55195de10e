#pragma once
// A vertical scroll bar with 16-bit minimum, maximum and value, where the
// minimum may lie above the maximum (the up arrow then raises the value).
// Every change of the value, by the user or by code, runs the change
// handler; a setting that leaves the value as it was runs nothing. A bar
// with the keyboard focus shows the style's focus frame.

#include <QScrollBar>
#include <cstdint>
#include <functional>

class Bildlaufleiste : public QScrollBar {
public:
    explicit Bildlaufleiste(QWidget* eltern = nullptr);

    void SetzeBereich(int16_t min, int16_t max);
    int16_t Min() const { return min_; }
    int16_t Max() const { return max_; }
    int16_t Value() const;
    void SetzeValue(int16_t v);
    void SetzeSmallChange(int16_t n) { setSingleStep(n); }
    void SetzeLargeChange(int16_t n) { setPageStep(n); }
    // Lets go of an arrow held down, as if the mouse had been released: the
    // repeating ends and the arrow no longer counts as pressed. A key held
    // down stops too: its repeats change nothing until that key is released
    // or a key is pressed anew (Shift, Ctrl or Alt alone do not count).
    void Loslassen();

    // Runs after every change of the value.
    std::function<void()> Change;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool umgekehrt() const { return min_ > max_; }
    int16_t min_ = 0;
    int16_t max_ = 32767;
    bool tasteLosgelassen_ = false;
    int gehalteneTaste_ = 0;  // the last key pressed and not yet released, modifiers aside
};
